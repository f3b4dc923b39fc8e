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

void MainDialog::createElements(const PlayerFactory& makePlayer,
                                const DocumentFactory& makeDocument) {
    btnMenu = makeElement<ImageArea>(this, "btnMenu", {0, 0, 16, 16});
    recDragWindow = makeElement<ImageArea>(this, "recDragWindow", {16, 0, 637, 17});
    btnMinimize = makeElement<ImageArea>(this, "btnMinimize", {653, 0, 16, 16}, "Minimieren");
    btnMaximize = makeElement<ImageArea>(this, "btnMaximize", {668, 0, 16, 16}, "Vollbild");
    btnClose = makeElement<ImageArea>(this, "btnClose", {683, 0, 16, 16}, "Schließen");
    picShowPictures = makeElement<ImageArea>(this, "picShowPictures", {8, 16, 529, 393});
    picShowPictures->setStretch(true);

    MediaPlayer = makePlayer(this);
    MediaPlayer->setObjectName("MediaPlayer");
    MediaPlayer->setLeft(16);
    MediaPlayer->setTop(24);
    MediaPlayer->setWidth(513);
    MediaPlayer->setHeight(378);

    WebBrowser = makeDocument(this);
    WebBrowser->setObjectName("WebBrowser");
    WebBrowser->setGeometry(392, 32, 129, 65);
    WebBrowser->setVisible(false);

    picTitle = makeElement<ImageArea>(this, "picTitle", {533, 22, 152, 88});
    picTitle->setAutoSize(true);

    auto actionButton = [this](const char* name, int top, const QString& tip) {
        auto* button = makeElement<PictureBox>(this, name, {544, top, 139, 29}, tip);
        button->hide();
        return button;
    };
    btnInstallCodec = actionButton("btnInstallCodec", 128,
                                   "Codec installieren (benötigt um Video-Daten anzuzeigen)");
    btnInstallPlayer =
        actionButton("btnInstallPlayer", 168, "Video-Player installieren (empfohlen)");
    btnInfo = actionButton("btnInfo", 208, "Weitere Informationen...");
    btnStartPlayer = actionButton("btnStartPlayer", 304, "Film starten");
    btnExplore = actionButton("btnExplore", 344, "Weitere Inhalte auf dieser CD...");
    btnExit = actionButton("btnExit", 384, "Vistrel schließen");

    btnBackward = makeElement<ImageArea>(this, "btnBackward", {19, 408, 21, 11}, "Zurück");
    btnPlay = makeElement<ImageArea>(this, "btnPlay", {41, 408, 21, 11}, "Start");
    btnPause = makeElement<ImageArea>(this, "btnPause", {63, 408, 21, 11}, "Pause");
    btnStop = makeElement<ImageArea>(this, "btnStop", {85, 408, 21, 11}, "Stop");
    btnForward = makeElement<ImageArea>(this, "btnForward", {107, 408, 21, 11}, "Vor");

    picTransparentMask = makeElement<PictureBox>(this, "picTransparentMask", {24, 32, 105, 65});
    picTransparentMask->setAutoSize(true);
    picTransparentMask->hide();

    TimerSlideShow = new QTimer(this);
    TimerSlideShow->setObjectName("TimerSlideShow");
    TimerSlideShow->setInterval(0);
    TimerMovie = new QTimer(this);
    TimerMovie->setObjectName("TimerMovie");
    TimerMovie->setInterval(1);

    // The image areas lie beneath every child window.
    for (QWidget* area : {static_cast<QWidget*>(btnMenu), static_cast<QWidget*>(recDragWindow),
                          static_cast<QWidget*>(picShowPictures)})
        area->lower();

    auto& drag = *drag_;
    connect(recDragWindow, &ImageArea::mouseDown, this,
            [&drag](int button) { drag.press(button, QCursor::pos()); });
    connect(recDragWindow, &ImageArea::mouseMoved, this,
            [&drag](QPoint at, Qt::MouseButtons held) { drag.move(at, held & Qt::LeftButton); });
    connect(recDragWindow, &ImageArea::mouseUp, this, [&drag](int) { drag.release(); });
}

void MainDialog::createMenu() {
    mnuMain = new QMenu("Vistrel", this);
    mnuMain->setObjectName("mnuMain");
    mnuChooseSkin = mnuMain->addMenu("Skin wechseln...");
    mnuChooseSkin->setObjectName("mnuChooseSkin");
    mnuChooseSkin->menuAction()->setVisible(false);
    mnuSkin.append(mnuChooseSkin->addAction("<empty>"));
    mnuChooseLanguage = mnuMain->addMenu("Sprache wechseln...");
    mnuChooseLanguage->setObjectName("mnuChooseLanguage");
    mnuLanguage.append(mnuChooseLanguage->addAction("<empty>"));
    mnuRule1 = mnuMain->addSeparator();
    mnuAbout = mnuMain->addAction("Über...");
    mnuAbout->setObjectName("mnuAbout");
    mnuRule2 = mnuMain->addSeparator();
    mnuExit = mnuMain->addAction("Schließen");
    mnuExit->setObjectName("mnuExit");
}

bool MainDialog::load(SingleInstance& singleInstance, bool& isFullScreen) {
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
    isFullScreen = false;
    btnExit->show();
    placeInVideoArea();
    return true;
}

void MainDialog::placeInVideoArea() {
    MediaPlayer->setTop(VideoArea.top());
    MediaPlayer->setLeft(VideoArea.left());
    MediaPlayer->setWidth(VideoArea.width());
    MediaPlayer->setHeight(VideoArea.height());
    picShowPictures->setGeometry(VideoArea);
    WebBrowser->setGeometry(VideoArea.left(), VideoArea.top(), VideoArea.width(),
                            VideoArea.height());
    WebBrowser->setOffline(true);
}

void MainDialog::setBackgroundPicture(const QPixmap& picture) {
    background_ = picture;
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
    const int button = buttonCode(event->button());
    drag_->press(button, event->globalPosition().toPoint());
    emit backgroundMouseDown(button);
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
