#include "platform/form.h"

#include "platform/application.h"
#include "platform/controls/make_control.h"

#include <stdexcept>

namespace zelvio {

Form::Form(Application& app, FormDesign design, std::vector<ControlDesign> controls)
    : app_(app), design_(std::move(design)), caption_(design_.caption), bounds_(design_.bounds) {
    // Until a window gives it a frame, a form designed by its client area is that area.
    if (design_.client.width > 0) bounds_.width = design_.client.width;
    if (design_.client.height > 0) bounds_.height = design_.client.height;
    controls_.reserve(controls.size());
    for (auto& c : controls) controls_.push_back(makeControl(*this, std::move(c)));
}

Form::~Form() = default;

Control* Form::find(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->name() == name) return c.get();
    }
    return nullptr;
}

Control& Form::operator[](std::string_view name) const {
    Control* c = find(name);
    if (c == nullptr) throw std::logic_error(design_.name + " has no control " + std::string(name));
    return *c;
}

void Form::setCaption(std::string caption) {
    caption_ = std::move(caption);
    if (peer_ != nullptr) peer_->update(FormProperty::Caption);
}

void Form::setBounds(Rect bounds) {
    const bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
    bounds_ = bounds;
    if (peer_ != nullptr) peer_->update(FormProperty::Bounds);
    if (resized && onResize) onResize();
}

Size Form::clientSize() const {
    if (peer_ == nullptr) return {bounds_.width, bounds_.height};
    const Size extra = peer_->frameExtra();
    return toDesign(Size{bounds_.width - extra.width, bounds_.height - extra.height}, peer_->dpi());
}

Size Form::designSize() const {
    const Size outer{bounds_.width, bounds_.height};
    return peer_ == nullptr ? outer : toDesign(outer, peer_->dpi());
}

Size Form::outerSize(Size client) const {
    if (peer_ == nullptr) return client;
    const Size screen = toScreen(client, peer_->dpi());
    const Size extra = peer_->frameExtra();
    return {screen.width + extra.width, screen.height + extra.height};
}

void Form::setClientSize(Size client) {
    const Size outer = outerSize(client);
    setBounds({bounds_.left, bounds_.top, outer.width, outer.height});
}

void Form::dpiChanged(Size designClient, Point screenTopLeft) {
    const Size outer = outerSize(designClient);
    setBounds({screenTopLeft.x, screenTopLeft.y, outer.width, outer.height});
}

void Form::paintPending() {
    if (peer_ != nullptr) peer_->paintPending();
}

void Form::attach(FormPeer* peer) {
    peer_ = peer;
    if (peer_ == nullptr) return;
    // Until now the bounds were the design's, in design pixels; from here on
    // they are the screen's, as a saved place set later is.
    bounds_ = toScreen(bounds_, peer_->dpi());
    const Size designed = outerSize(design_.client);
    if (design_.client.width > 0) bounds_.width = designed.width;
    if (design_.client.height > 0) bounds_.height = designed.height;
    if (design_.centred) {
        const Size screen = app_.toolkit().screenSize();
        bounds_.left = (screen.width - bounds_.width) / 2;
        bounds_.top = (screen.height - bounds_.height) / 2;
    }
    peer_->update(FormProperty::Bounds);
}

void Form::show() {
    if (windowWhenShown_) app_.createWindow(*this);
    if (!visible_ && onShow) onShow();
    visible_ = true;
    if (focused_ == nullptr || !focused_->canFocus()) {
        for (const auto& c : controls_) {
            if (c->canFocus()) {
                focused_ = c.get();
                break;
            }
        }
    }
    if (peer_ != nullptr) peer_->update(FormProperty::Visible);
}

void Form::close() {
    if (onCloseQuery && !onCloseQuery()) return;
    if (onClose) onClose();
    if (app_.mainForm() == this) {
        app_.terminate();
        return;
    }
    visible_ = false;
    if (peer_ != nullptr) peer_->update(FormProperty::Visible);
}

void Form::layOut() {
    if (onResize) app_.dispatch(onResize);
}

void Form::requestClose() {
    if (design_.titleButtons == TitleButtons::None) return;
    app_.dispatch([this] { close(); });
}

void Form::activated() {
    if (onActivate) app_.dispatch(onActivate);
}

void Form::boundsReported(Rect outer) {
    const bool resized = outer.width != bounds_.width || outer.height != bounds_.height;
    bounds_ = outer;
    if (resized && onResize) app_.dispatch(onResize);
}

void Form::moveFocus(Control* control, bool toldByBackend) {
    if (control == focused_) return;
    Control* previous = focused_;
    focused_ = control;
    if (!toldByBackend && control != nullptr && control->peer() != nullptr) {
        control->peer()->update(ControlProperty::Focus);
    }
    if (previous != nullptr && previous->onExit) app_.dispatch(previous->onExit);
}

void Form::focusReported(Control* control) { moveFocus(control, true); }

void Form::focusNext() {
    const std::size_t n = controls_.size();
    std::size_t start = n - 1;
    for (std::size_t i = 0; i < n; ++i) {
        if (controls_[i].get() == focused_) start = i;
    }
    for (std::size_t step = 1; step <= n; ++step) {
        Control* c = controls_[(start + step) % n].get();
        if (c->canFocus()) {
            c->setFocus();
            return;
        }
    }
}

void Form::enterMovesOn(char& key) {
    if (key != '\r') return;
    key = 0;
    focusNext();
}

bool Form::previewKey(char& key) {
    if (design_.keyPreview && onKeyPress) app_.dispatch([&] { onKeyPress(key); });
    return key != 0;
}

void Form::pressKey(char key) {
    if (key == '\r' && focused_ != nullptr && focused_->enterPressed()) return;
    if (!previewKey(key)) return;
    if (key == '\t') {
        focusNext();
        return;
    }
    if (focused_ != nullptr) focused_->keyTyped(key);
}

}  // namespace zelvio
