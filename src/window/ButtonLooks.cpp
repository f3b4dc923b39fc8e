#include "window/ButtonLooks.h"

#include "app/Core.h"
#include "window/ImageArea.h"
#include "window/MainDialog.h"

namespace vistrel {

namespace {

constexpr int kLeftButton = 1;

const QPixmap& pictureAt(const QList<QPixmap>& set, qsizetype index) {
    static const QPixmap none;
    return index < set.size() ? set[index] : none;
}

// A picture's identity; no picture at all is 0.
qint64 handleOf(const QPixmap& picture) {
    return picture.isNull() ? 0 : picture.cacheKey();
}

} // namespace

ButtonLooks::ButtonLooks(Core& core) : core_(core) {}

const SkinState& ButtonLooks::skin() const {
    return core_.skins.skin;
}

void ButtonLooks::connectTo(MainDialog& window) {
    const AppState& state = core_.state;
    auto always = [] { return true; };
    connectAction(window.btnInstallCodec, &SkinState::PicsCodec,
                  [&state] { return state.CodecInstalled; });
    connectAction(window.btnInstallPlayer, &SkinState::PicsPlayer,
                  [&state] { return state.PlayerInstalled; });
    connectAction(window.btnStartPlayer, &SkinState::PicsStart,
                  [&state] { return state.PlayerInstalled && state.CodecInstalled; });
    connectAction(window.btnInfo, &SkinState::PicsInfo, always);
    connectAction(window.btnExplore, &SkinState::PicsExplore, always);
    connectAction(window.btnExit, &SkinState::PicsExit, always);

    ImageArea* const playback[] = {window.btnBackward, window.btnPlay, window.btnPause,
                                   window.btnStop, window.btnForward};
    for (int i = 0; i < 5; ++i)
        connectPlayback(playback[i], i);

    connectTitleBar(window.btnMenu, &SkinState::PicMenu0);
    connectTitleBar(window.btnMinimize, &SkinState::PicMenu1);
    connectTitleBar(window.btnMaximize, &SkinState::PicMenu2);
    connectTitleBar(window.btnClose, &SkinState::PicMenu3);
}

void ButtonLooks::connectAction(ImageArea* button, PictureSet set,
                                std::function<bool()> available) {
    connect(button, &ImageArea::mouseDown, this,
            [this, button, set](int) { button->setPicture(pictureAt(skin().*set, 2)); });
    connect(button, &ImageArea::mouseUp, this, [this, button, set, available](int) {
        button->setPicture(pictureAt(skin().*set, available() ? 1 : 0));
    });
}

void ButtonLooks::connectPlayback(ImageArea* button, int index) {
    connect(button, &ImageArea::mouseDown, this, [this, button, index](int mouseButton) {
        if (mouseButton == kLeftButton)
            button->setPicture(pictureAt(skin().PicsConsole, index));
    });
    connect(button, &ImageArea::mouseUp, button, &ImageArea::clearPicture);
}

void ButtonLooks::connectTitleBar(ImageArea* button, TitleBarLook look) {
    connect(button, &ImageArea::mouseDown, this, [this, button, look](int) {
        const QPixmap& pressed = skin().*look;
        if (handleOf(button->picture()) != handleOf(pressed))
            button->setPicture(pressed);
    });
    connect(button, &ImageArea::mouseUp, button, [button](int) {
        if (button->hasPicture())
            button->clearPicture();
    });
}

} // namespace vistrel
