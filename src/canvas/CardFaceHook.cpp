#include "canvas/CardFaceHook.h"

#include <mutex>

namespace zelk {

namespace {
std::mutex& slotMutex() {
    static std::mutex m;
    return m;
}
std::shared_ptr<const CardFaceHook>& slot() {
    static std::shared_ptr<const CardFaceHook> hook = std::make_shared<CardFaceHook>();
    return hook;
}
}  // namespace

CardFaceHook::~CardFaceHook() = default;

void CardFaceHook::Card_Base_Drawing(QPainter&, const SideSnapshot&) const {}

void CardFaceHook::Card_Border_Drawing(QPainter&, const SideSnapshot&) const {}

void CardFaceHook::install(std::shared_ptr<const CardFaceHook> hook) {
    std::lock_guard lock(slotMutex());
    slot() = hook ? std::move(hook) : std::make_shared<CardFaceHook>();
}

std::shared_ptr<const CardFaceHook> CardFaceHook::installed() {
    std::lock_guard lock(slotMutex());
    return slot();
}

}  // namespace zelk
