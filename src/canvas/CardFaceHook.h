#pragma once
// The card face (white outline, side fill, watermark, border) is drawn by the
// inspector layer, above this one. The renderer reaches it through this
// interface, which the card face installs once at start-up.
#include <memory>

class QPainter;

namespace zelk {

class SideSnapshot;

class CardFaceHook {
public:
    virtual ~CardFaceHook();

    // Both calls get a painter in card coordinates: points, origin at the
    // top-left corner of the card, y growing downwards (the snapshot's
    // cardRect is the card). Everything needed comes from the snapshot: the
    // side (Card_Front_Or_Back), both Card_Property objects, Card_Shape and
    // the card rectangle; an implementation must read no global and no
    // widget, since batch export calls it on several worker threads at once.

    // Draws the white outline and the side's fill, and leaves the clip to
    // the outline in force: the renderer does not restore it before drawing
    // the graphics and the border.
    virtual void Card_Base_Drawing(QPainter& painter, const SideSnapshot& side) const;

    // Draws the watermark, then the border, over the graphics.
    virtual void Card_Border_Drawing(QPainter& painter, const SideSnapshot& side) const;

    // The process-wide card face. Install it once on the main thread before
    // any rendering starts; SideSnapshot::take() captures the installed hook,
    // so workers never read this slot. Passing nullptr restores the default,
    // which draws nothing.
    static void install(std::shared_ptr<const CardFaceHook> hook);
    static std::shared_ptr<const CardFaceHook> installed();
};

}  // namespace zelk
