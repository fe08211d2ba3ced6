#pragma once

#include <memory>

#include "PeerKinds.h"
#include "WebControlPeer.h"
#include "WebDom.h"

namespace guirt::web {

// A Window as a box of the page: a title bar with a close button, the menubar, and the
// content area, exactly Width x Height CSS pixels, that holds the controls. Its title is
// the document's too. Each kind of control's peer is made in its own file (WebLabelPeer.cpp...).
class WebWindowPeer final : public WindowPeer, private DomListener {
public:
    WebWindowPeer(Window& model, const ShownMenuBar& bar);

    GUIRT_PEER_CREATE_OVERRIDES

    void Show(Window::Shown what) override;
    void SetMenuBar(const ShownMenuBar& bar) override;
    void SetMenuEnabled(std::size_t entry, bool enabled) override;
    void SetTabOrder(const std::vector<ControlPeer*>& order) override;
    void SetVisible(bool visible) override;
    void Close() override;

private:
    void Handle(DomEvent event, int detail, std::string_view text) override;
    // Where the next control goes.
    ControlSite Site() const { return {content_, controls_}; }

    Window& model_;
    Element root_;
    Element titleBar_;
    Element title_;
    Element closeButton_;
    Element menubar_;
    Element content_;
    std::shared_ptr<WebControls> controls_ = std::make_shared<WebControls>();
};

}  // namespace guirt::web
