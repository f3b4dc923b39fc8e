#include "window/MainDialog.h"

#include "platform/DocumentView.h"
#include "platform/Log.h"
#include "platform/MediaPlayerControl.h"
#include "platform/SingleInstance.h"
#include "window/WindowDrag.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

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
    setMouseTracking(false);
    createElements(makePlayer, makeDocument);
    createMenu();
}

MainDialog::~MainDialog() = default;

// Title-bar and playback buttons are image areas, always there; the side buttons are picture
// boxes, hidden until offered. Siblings stack in the order they are made.
void MainDialog::createButtons(bool titleBar) {
    for (const ButtonRow& row : Buttons) {
        if ((row.kind == ButtonKind::TitleBar) != titleBar)
            continue;
        const QString toolTip = QString::fromUtf8(row.toolTip);
        ImageArea* button = row.kind == ButtonKind::Action
                                ? makeElement<PictureBox>(this, row.name, row.rect, toolTip)
                                : makeElement<ImageArea>(this, row.name, row.rect, toolTip);
        if (row.kind == ButtonKind::Action)
            button->hide();
        buttons_[static_cast<std::size_t>(row.id)] = button;
    }
}

void MainDialog::createElements(const PlayerFactory& makePlayer,
                                const DocumentFactory& makeDocument) {
    recDragWindow_ = makeElement<ImageArea>(this, "recDragWindow", {16, 0, 637, 17});
    createButtons(true);
    picShowPictures_ = makeElement<ImageArea>(this, "picShowPictures", {8, 16, 529, 393});
    picShowPictures_->setStretch(true);

    MediaPlayer_ = makePlayer(this);
    MediaPlayer_->setObjectName("MediaPlayer");
    MediaPlayer_->setGeometry({16, 24, 513, 378});

    WebBrowser_ = makeDocument(this);
    WebBrowser_->setObjectName("WebBrowser");
    WebBrowser_->setGeometry(392, 32, 129, 65);
    WebBrowser_->setVisible(false);

    picTitle_ = makeElement<ImageArea>(this, "picTitle", {533, 22, 152, 88});
    picTitle_->setAutoSize(true);

    createButtons(false);

    picTransparentMask_ = makeElement<PictureBox>(this, "picTransparentMask", {24, 32, 105, 65});
    picTransparentMask_->setAutoSize(true);
    picTransparentMask_->hide();

    TimerSlideShow_ = new QTimer(this);
    TimerSlideShow_->setObjectName("TimerSlideShow");
    TimerSlideShow_->setInterval(0);
    TimerMovie_ = new QTimer(this);
    TimerMovie_->setObjectName("TimerMovie");
    TimerMovie_->setInterval(1);

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

void MainDialog::createMenu() {
    mnuMain_ = new QMenu("Vistrel", this);
    mnuMain_->setObjectName("mnuMain");
    mnuChooseSkin_ = mnuMain_->addMenu("Skin wechseln...");
    mnuChooseSkin_->setObjectName("mnuChooseSkin");
    mnuChooseSkin_->menuAction()->setVisible(false);
    mnuSkin_.append(mnuChooseSkin_->addAction("<empty>"));
    mnuChooseLanguage_ = mnuMain_->addMenu("Sprache wechseln...");
    mnuChooseLanguage_->setObjectName("mnuChooseLanguage");
    mnuLanguage_.append(mnuChooseLanguage_->addAction("<empty>"));
    mnuMain_->addSeparator();
    mnuAbout_ = mnuMain_->addAction("Über...");
    mnuAbout_->setObjectName("mnuAbout");
    mnuMain_->addSeparator();
    mnuExit_ = mnuMain_->addAction("Schließen");
    mnuExit_->setObjectName("mnuExit");
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
        qCInfo(logWindow) << "window activated by a second start";
    });
    button(ButtonId::btnExit)->show();
    placeInVideoArea();
    return true;
}

void MainDialog::placeInVideoArea() {
    MediaPlayer_->setGeometry(VideoArea);
    picShowPictures_->setGeometry(VideoArea);
    WebBrowser_->setGeometry(VideoArea.left(), VideoArea.top(), VideoArea.width(),
                             VideoArea.height());
    WebBrowser_->setOffline(true);
}

void MainDialog::setToolTips(const std::array<QString, Buttons.size()>& toolTips) {
    for (const ButtonRow& row : Buttons)
        if (row.toolTipKey)
            button(row.id)->setToolTip(toolTips[static_cast<std::size_t>(row.id)]);
}

void MainDialog::setMenuCaptions(const MenuCaptions& captions) {
    mnuChooseLanguage_->setTitle(captions.chooseLanguage);
    mnuChooseSkin_->setTitle(captions.chooseSkin);
    mnuAbout_->setText(captions.about);
    mnuExit_->setText(captions.exit);
}

void MainDialog::setBackgroundPicture(const QPixmap& picture) {
    background_ = picture;
    // A picture that covers the whole window leaves nothing for the window's own background to
    // show: filling it first only doubled the first frame's drawing.
    const bool covers =
        !picture.hasAlphaChannel() && picture.width() >= width() && picture.height() >= height();
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
    update();
}

void MainDialog::showCentred() {
    if (!centred_) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(WindowWidth / 2, WindowHeight / 2));
        }
        centred_ = true;
    }
    show();
    qCInfo(logWindow) << "window shown at" << pos();
}

void MainDialog::paintEvent(QPaintEvent*) {
    if (!painted_) {
        painted_ = true;
        qCInfo(logWindow) << "first frame painted";
    }
    if (background_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void MainDialog::mousePressEvent(QMouseEvent* event) {
    drag_->press(buttonCode(event->button()), event->globalPosition().toPoint());
}

void MainDialog::mouseMoveEvent(QMouseEvent* event) {
    drag_->move(event->globalPosition().toPoint(), event->buttons() & Qt::LeftButton);
}

void MainDialog::mouseReleaseEvent(QMouseEvent*) {
    drag_->release();
}

void MainDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace vistrel
