#include "skin/ButtonLooks.h"

#include "skin/SkinState.h"
#include "window/Buttons.h"
#include "window/ImageArea.h"

namespace vistrel {

namespace {

constexpr int kLeftButton = 1;

// A picture's identity; no picture at all is 0.
qint64 handleOf(const QPixmap& picture) {
    return picture.isNull() ? 0 : picture.cacheKey();
}

} // namespace

ButtonLooks::ButtonLooks(const SkinState& skin, Components installed, const ButtonWidgets& buttons)
    : skin_(skin), installed_(installed) {
    for (const ButtonRow& row : Buttons) {
        ImageArea* button = buttons[static_cast<std::size_t>(row.id)];
        switch (row.kind) {
        case ButtonKind::Action:
            connectAction(button, row);
            break;
        case ButtonKind::Console:
            connectConsole(button, row);
            break;
        case ButtonKind::TitleBar:
            connectTitleBar(button, row);
            break;
        }
    }
}

void ButtonLooks::connectAction(ImageArea* button, const ButtonRow& row) {
    const QString set = QString::fromUtf8(row.pictureSet);
    connect(button, &ImageArea::mouseDown, this,
            [this, button, set](int) { button->setPicture(skin_.actionPicture(set, 2)); });
    const Needs needs = row.neededOnRelease;
    connect(button, &ImageArea::mouseUp, this, [this, button, set, needs](int) {
        button->setPicture(skin_.actionPicture(set, present(needs, installed_) ? 1 : 0));
    });
}

void ButtonLooks::connectConsole(ImageArea* button, const ButtonRow& row) {
    const int index = row.pictureIndex;
    connect(button, &ImageArea::mouseDown, this, [this, button, index](int mouseButton) {
        if (mouseButton == kLeftButton)
            button->setPicture(skin_.consolePicture(index));
    });
    connect(button, &ImageArea::mouseUp, button, &ImageArea::clearPicture);
}

void ButtonLooks::connectTitleBar(ImageArea* button, const ButtonRow& row) {
    const auto index = static_cast<std::size_t>(row.pictureIndex);
    connect(button, &ImageArea::mouseDown, this, [this, button, index](int) {
        const QPixmap& pressed = skin_.PicMenu[index];
        if (handleOf(button->picture()) != handleOf(pressed))
            button->setPicture(pressed);
    });
    connect(button, &ImageArea::mouseUp, button, [button](int) {
        if (button->hasPicture())
            button->clearPicture();
    });
}

} // namespace vistrel
