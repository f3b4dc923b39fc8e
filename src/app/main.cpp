#include "platform/FileRegistry.h"
#ifdef Q_OS_WIN
#include "platform/windows/WindowsRegistry.h"
#endif
#include "app/Application.h"
#include "platform/ImmediateProgramEnd.h"
#include "platform/LocalSingleInstance.h"
#include "platform/QtDesktop.h"
#include "platform/QtDocumentView.h"
#include "platform/QtMediaPlayerControl.h"
#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMediaFormat>

#include <cstdio>
#include <cstdlib>

using namespace vistrel;

namespace {

// The disc folder: the program's own folder, or the folder named by the first argument.
QString discFolder(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Vistrel: the skinned front end of a video disc.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("disc", "Disc folder to use instead of the program's folder.",
                                 "[disc]");
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 1) {
        std::fprintf(stderr, "vistrel: one disc folder at most\n");
        std::exit(2);
    }
    if (!arguments.isEmpty()) {
        const QFileInfo disc(arguments.first());
        if (!disc.isDir()) {
            std::fprintf(stderr, "vistrel: %s is not a folder\n", qPrintable(arguments.first()));
            std::exit(2);
        }
        return disc.absoluteFilePath();
    }
    return QCoreApplication::applicationDirPath();
}

void nameTheApplication() {
    QCoreApplication::setApplicationName("vistrel");
    QCoreApplication::setApplicationVersion(VISTREL_VERSION);
}

bool frameworkDecodesMpeg4Video() {
    const auto decoders = QMediaFormat().supportedVideoCodecs(QMediaFormat::Decode);
    return decoders.contains(QMediaFormat::VideoCodec::MPEG4);
}

// The icon built into the program, in the two sizes the desktop asks for.
QIcon programIcon() {
    QIcon icon;
    icon.addFile(":/icons/vistrel-32.png", QSize(32, 32));
    icon.addFile(":/icons/vistrel-48.png", QSize(48, 48));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_MESSAGE_PATTERN"))
        qSetMessagePattern("%{category}: %{message}");
    // The arguments are settled before any display is needed: --help, --version and a wrong
    // disc folder answer on a terminal without one.
    QString appPath;
    {
        QCoreApplication arguments(argc, argv);
        nameTheApplication();
        appPath = discFolder(arguments);
    }
    QApplication app(argc, argv);
    nameTheApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());

#ifdef Q_OS_WIN
    WindowsRegistry registry;
#else
    FileRegistry registry = FileRegistry::forThisUser();
#endif
    QtMessageBoxes messages;
    ImmediateProgramEnd programEnd;
    QtDesktop desktop;
    LocalSingleInstance singleInstance;
    programEnd.addCleanup([&singleInstance] { singleInstance.release(); });

    Application application(Services{
        registry, messages, programEnd, desktop, singleInstance,
        [](QWidget* parent) { return new QtMediaPlayerControl(parent); },
        [](QWidget* parent) { return new QtDocumentView(parent); }, frameworkDecodesMpeg4Video});
    if (!application.Main(appPath))
        return 1;
    return app.exec();
}
