#include "window/MainDialog.h"

#include "platform/common/WindowingSystem.h"
#include "platform/documents/DocumentView.h"
#include "platform/instance/SingleInstance.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "window/ButtonAccessible.h"
#include "window/ReadingOrder.h"
#include "window/Stage.h"
#include "window/VideoPlacer.h"
#include "window/WindowDrag.h"
#include "window/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace vistrel {

namespace {

template <typename Element>
Element* makeElement(QWidget* parent, const QString& name, QRect geometry,
                     const QString& toolTip = {}) {
    auto* element = new Element(name, parent);
    element->setGeometry(geometry);
    element->setToolTip(toolTip);
    return element;
}

} // namespace

MainDialog::MainDialog(const PlayerFactory& makePlayer, const DocumentFactory& makeDocument)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      drag_(std::make_unique<WindowDrag>(this)) {
    setObjectName("MainDialog");
    setFixedSize(WindowWidth, WindowHeight);
    // Where the compositor cuts no outline, the parts outside it are drawn transparent.
    if (windowsDrawTheirOutline())
        setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(false);
    installButtonAccessibility();
    createElements(makePlayer, makeDocument);
    createMenu();
    nameElements();
}

MainDialog::~MainDialog() = default;

// Title-bar and playback buttons are always there; the side buttons are hidden until offered.
// Siblings stack in the order they are made.
void MainDialog::createButtons(bool titleBar) {
    for (const ButtonRow& row : Buttons) {
        if ((row.kind == ButtonKind::TitleBar) != titleBar)
            continue;
        ImageArea* button =
            makeElement<ImageArea>(this, row.name, row.rect, QString::fromUtf8(row.toolTip));
        if (row.kind == ButtonKind::Action)
            button->hide();
        button->makeButton();
        buttons_[static_cast<std::size_t>(row.id)] = button;
    }
}

void MainDialog::createElements(const PlayerFactory& makePlayer,
                                const DocumentFactory& makeDocument) {
    recDragWindow_ = makeElement<ImageArea>(this, "recDragWindow", DragStrip);
    createButtons(true);
    // The three that share the video area are made in it.
    picShowPictures_ = makeElement<ImageArea>(this, "picShowPictures", VideoArea);
    picShowPictures_->setStretch(true);

    MediaPlayer_ = makePlayer(this);
    MediaPlayer_->setObjectName("MediaPlayer");
    videoPlacer_ = new VideoPlacer(*MediaPlayer_, VideoArea);

    WebBrowser_ = makeDocument(this);
    WebBrowser_->setObjectName("WebBrowser");
    WebBrowser_->setGeometry(VideoArea.left(), VideoArea.top(), VideoArea.width(),
                             VideoArea.height());
    WebBrowser_->setVisible(false);

    picTitle_ = makeElement<ImageArea>(this, "picTitle", TitleArea);
    picTitle_->setAutoSize(true);

    createButtons(false);
    stage_ = new Stage(*videoPlacer_, *picShowPictures_, *WebBrowser_, this);

    // The image areas lie beneath every child window.
    for (QWidget* area :
         {static_cast<QWidget*>(button(ButtonId::btnMenu)), static_cast<QWidget*>(recDragWindow_),
          static_cast<QWidget*>(picShowPictures_)})
        area->lower();

    auto& drag = *drag_;
    connect(recDragWindow_, &ImageArea::mouseDown, this,
            [&drag](int button) { drag.press(button, QCursor::pos()); });
    connect(recDragWindow_, &ImageArea::mouseMoved, this,
            [&drag](QPoint at, Qt::MouseButtons held) { drag.move(at, held & Qt::LeftButton); });
    connect(recDragWindow_, &ImageArea::mouseUp, this, [&drag](int) { drag.release(); });
}

// What a screen reader calls the elements that are not buttons (the video is named by its
// player, the document by its view, each made on first need). btnMenu has no tooltip in any
// language, so it is named here.
void MainDialog::nameElements() {
    button(ButtonId::btnMenu)->setAccessibleName("Menu");
    picShowPictures_->setAccessibleName("Picture");
    WebBrowser_->setAccessibleName("Information");
}

void MainDialog::createMenu() {
    MenuTree& m = menu_;
    m.mnuMain = new QMenu("Vistrel", this);
    m.mnuMain->setObjectName("mnuMain");
    m.mnuChooseSkin = m.mnuMain->addMenu("Skin wechseln...");
    m.mnuChooseSkin->setObjectName("mnuChooseSkin");
    m.mnuChooseSkin->menuAction()->setVisible(false);
    m.mnuSkin.append(m.mnuChooseSkin->addAction("<empty>"));
    m.mnuChooseLanguage = m.mnuMain->addMenu("Sprache wechseln...");
    m.mnuChooseLanguage->setObjectName("mnuChooseLanguage");
    m.mnuLanguage.append(m.mnuChooseLanguage->addAction("<empty>"));
    m.mnuMain->addSeparator();
    m.mnuAbout = m.mnuMain->addAction("Über...");
    m.mnuAbout->setObjectName("mnuAbout");
    m.mnuMain->addSeparator();
    m.mnuExit = m.mnuMain->addAction("Schließen");
    m.mnuExit->setObjectName("mnuExit");
}

bool MainDialog::load(SingleInstance& singleInstance) {
    setWindowTitle("Vistrel");
    if (singleInstance.activateRunningInstance()) {
        setWindowTitle("HideApp");
        qCInfo(logWindow) << "another instance is running: activated it";
        return false;
    }
    singleInstance.becomeRunningInstance([this] {
        if (isMinimized())
            showNormal();
        raise();
        activateWindow();
        // A Wayland compositor decides itself whether a window comes to the front (weston has
        // no activation protocol at all; others may refuse a window the viewer did not touch).
        if (compositorPlacesWindows())
            qCInfo(logWindow) << "window activation asked of the compositor by a second start";
        else
            qCInfo(logWindow) << "window activated by a second start";
    });
    button(ButtonId::btnExit)->show();
    return true;
}

void MainDialog::showTexts(const LanguageTexts& texts) {
    for (const ButtonRow& row : Buttons)
        if (row.toolTipKey)
            button(row.id)->setToolTip(texts.toolTip(row));
    menu_.mnuChooseLanguage->setTitle(texts["mnuChooseLanguage"]);
    menu_.mnuChooseSkin->setTitle(texts["mnuChooseSkin"]);
    menu_.mnuAbout->setText(texts["mnuAbout"]);
    menu_.mnuExit->setText(texts["mnuExit"]);
}

void MainDialog::setBackgroundPicture(const QPixmap& picture) {
    background_ = picture;
    // A picture that covers the whole window leaves nothing for the window's own background to
    // show: filling it first only doubled the first frame's drawing.
    const QSizeF size = picture.deviceIndependentSize();
    const bool covers = !picture.hasAlphaChannel() && size.width() >= width() &&
                        size.height() >= height() && !testAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
    update();
}

void MainDialog::showCentred() {
    if (!centred_) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(firstWindowPlace(screen->availableGeometry(), size()));
        centred_ = true;
    }
    show();
    qCInfo(logWindow) << "window shown at" << pos();
}

void MainDialog::placeAt(QPoint topLeft) {
    move(topLeft);
    centred_ = true;
}

void MainDialog::paintEvent(QPaintEvent*) {
    if (!painted_) {
        painted_ = true;
        qCInfo(logWindow) << "first frame painted";
        emit firstFramePainted();
    }
    if (background_.isNull())
        return;
    QPainter painter(this);
    // A window that draws its own outline leaves what lies outside it transparent.
    if (testAttribute(Qt::WA_TranslucentBackground) && !mask().isEmpty())
        painter.setClipRegion(mask());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, background_);
}

void MainDialog::mousePressEvent(QMouseEvent* event) {
    drag_->press(buttonCode(event->button()), event->globalPosition().toPoint());
}

void MainDialog::mouseMoveEvent(QMouseEvent* event) {
    drag_->move(event->globalPosition().toPoint(), event->buttons() & Qt::LeftButton);
}

// A right click on the window, wherever no button lies (the background, the drag strip, the
// video, the pictures, which hand it on), opens the menu at the pointer, on the release as the
// platform's own menus do; the buttons keep every press for their pressed look.
void MainDialog::mouseReleaseEvent(QMouseEvent* event) {
    drag_->release();
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        emit contextMenuWanted(event->globalPosition().toPoint());
}

// Tab and Shift+Tab go round the buttons alone, whatever else in the window could take the focus.
bool MainDialog::focusNextPrevChild(bool next) {
    return moveFocus(next);
}

bool MainDialog::moveFocus(bool forward) {
    ImageArea* target = nextButton(buttons_, focusWidget(), forward);
    if (!target)
        return false;
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// Keys the focused element left alone, or all of them while no element has the focus.
void MainDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool buttonFocused = qobject_cast<ImageArea*>(focusWidget()) &&
                               static_cast<ImageArea*>(focusWidget())->isButton();
    if (modifiers == Qt::NoModifier && (key == Qt::Key_Right || key == Qt::Key_Down))
        moveFocus(true);
    else if (modifiers == Qt::NoModifier && (key == Qt::Key_Left || key == Qt::Key_Up))
        moveFocus(false);
    else if ((key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) ||
             (key == Qt::Key_Menu && modifiers == Qt::NoModifier))
        emit menuKeyPressed();
    else if (key == Qt::Key_Escape && modifiers == Qt::NoModifier)
        emit escapePressed();
    else if (key == Qt::Key_Space && modifiers == Qt::NoModifier && !buttonFocused &&
             !event->isAutoRepeat())
        emit pauseKeyPressed();
    else {
        event->ignore();
        return;
    }
    qCInfo(logWindow).noquote() << "key:" << QKeySequence(event->keyCombination()).toString();
}

// The Menu key where no key handler took it. The toolkit's own menu request by the mouse comes
// with the press on some platforms, on a button too: the right click is taken on its release.
void MainDialog::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse)
        emit menuKeyPressed();
}

void MainDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace vistrel
