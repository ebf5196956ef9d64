#pragma once
// Where a field that a profile, the visitor desk or a group project adds
// lands on a side that has no box for it: at the size it is drawn at, on
// the card and clear of the graphics shown there, as near the place its rule
// gives (the profile layout, the partner rule, the next new-control point)
// as the card allows; a caption beside its value. Where the card has no room
// for its own size, the field takes a smaller one (and is drawn smaller in
// its box); where it has none at all, the place that covers the least.
//
// The rule lives in placement/, a file for each thing it decides, from the
// bottom up:
//   CardArea        the card's outline, and the clearance kept from it
//   SideCover       what a side's graphics take (its ground takes nothing)
//   CaptionPairing  captions kept to their own values on the fields' lines
//   FieldSizes      the boxes a field may take, largest text first
//   FreePlaceSearch the nearest clear place, the first in reading order
//   LeastCoverSearch the least harm where no place is clear
//   FieldPlaces     a field alone: at its rule's place or line by line
//   PartnerPlaces   a caption and its value: beside each other, or as one
//   FieldPacking    a crowded card's values and captions packed as units
//   Readability     whether a field's colour reads on what is under it
//   OutgrownValue   a field whose value outgrew the box it stands in
//   UserBox         a box the user placed given a value it does not hold
//   ReadingWrong    the fields whose printed words read wrong, and why
#include "canvas/placement/CaptionPairing.h"
#include "canvas/placement/CardArea.h"
#include "canvas/placement/FieldPacking.h"
#include "canvas/placement/FieldPlaces.h"
#include "canvas/placement/FieldSizes.h"
#include "canvas/placement/FreePlaceSearch.h"
#include "canvas/placement/LeastCoverSearch.h"
#include "canvas/placement/PartnerPlaces.h"
#include "canvas/placement/Readability.h"
#include "canvas/placement/ReadingWrong.h"
#include "canvas/placement/SideCover.h"
#include "canvas/placement/OutgrownValue.h"
#include "canvas/placement/UserBox.h"
#include "foundation/ProfileFieldTable.h"  // isFieldId
