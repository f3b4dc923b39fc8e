#include "platform/FileRegistry.h"
#ifdef Q_OS_WIN
#include "platform/windows/ErrorOutput.h"
#include "platform/windows/WindowsRegistry.h"
#endif
#include "app/Application.h"
#include "app/check/CheckCommand.h"
#include "platform/ImmediateProgramEnd.h"
#include "platform/LocalSingleInstance.h"
#include "platform/QtDesktop.h"
#include "platform/QtDocumentView.h"
#include "platform/QtMediaPlayerControl.h"
#ifndef Q_OS_WIN
#include "platform/GstCodecTest.h"
#include "platform/GstMediaPlayerControl.h"
#endif
#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMediaFormat>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace vistrel;

namespace {

void nameTheApplication() {
    QCoreApplication::setApplicationName("vistrel");
    QCoreApplication::setApplicationVersion(VISTREL_VERSION);
}

// What the command line asks for.
struct Options {
    QString disc; // the program's own folder, or the folder named by the first argument
    bool check = false;
    bool json = false;
};

[[noreturn]] void badUsage(const QString& text) {
    std::fprintf(stderr, "vistrel: %s\n", qPrintable(text));
    std::exit(2);
}

Options parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Vistrel: the skinned front end of a video disc.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption check("check", "List every problem of the disc, then exit.");
    const QCommandLineOption json("json", "With --check: the problems as one JSON document.");
    parser.addOptions({check, json});
    parser.addPositionalArgument("disc", "Disc folder to use instead of the program's folder.",
                                 "[disc]");
    parser.process(app);
    Options options{QCoreApplication::applicationDirPath(), parser.isSet(check),
                    parser.isSet(json)};
    if (options.json && !options.check)
        badUsage("--json goes with --check");
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 1)
        badUsage("one disc folder at most");
    if (!arguments.isEmpty()) {
        const QFileInfo disc(arguments.first());
        if (!disc.isDir())
            badUsage(arguments.first() + " is not a folder");
        options.disc = disc.absoluteFilePath();
    }
    return options;
}

// The check needs pictures and the media framework but no display.
int runCheck(int argc, char* argv[], const Options& options) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    nameTheApplication();
    return runDiscCheck(options.disc, options.json);
}

bool qtDecodesMpeg4Video() {
    const auto decoders = QMediaFormat().supportedVideoCodecs(QMediaFormat::Decode);
    return decoders.contains(QMediaFormat::VideoCodec::MPEG4);
}

// The player and the codec test of one media framework.
struct MediaFramework {
    MainDialog::PlayerFactory makePlayer;
    std::function<bool()> decodesMovieVideo;
};

// GStreamer directly on Linux; Qt Multimedia on Windows, or when VISTREL_MEDIA=qt asks for it.
MediaFramework mediaFramework() {
#ifndef Q_OS_WIN
    if (qEnvironmentVariable("VISTREL_MEDIA") != QLatin1String("qt"))
        return {[](QWidget* parent) { return new GstMediaPlayerControl(parent); },
                startCodecTest()};
#endif
    return {[](QWidget* parent) { return new QtMediaPlayerControl(parent); }, qtDecodesMpeg4Video};
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
#ifdef Q_OS_WIN
    windows::logToStandardErrorWhenRedirected();
#else
    if (argc == 2 && std::strcmp(argv[1], CodecTestArgument) == 0)
        return answerCodecTest();
#endif
    if (qEnvironmentVariableIsEmpty("QT_MESSAGE_PATTERN"))
        qSetMessagePattern("%{category}: %{message}");
    // The arguments are settled before any display is needed: --help, --version and a wrong
    // disc folder answer on a terminal without one.
    Options options;
    {
        QCoreApplication arguments(argc, argv);
        nameTheApplication();
        options = parseOptions(arguments);
    }
    if (options.check)
        return runCheck(argc, argv, options);
    const QString& appPath = options.disc;
    MediaFramework media = mediaFramework();
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

    Application application(Services{registry, messages, programEnd, desktop, singleInstance,
                                     std::move(media.makePlayer),
                                     [](QWidget* parent) { return new QtDocumentView(parent); },
                                     std::move(media.decodesMovieVideo)});
    if (!application.Main(appPath))
        return 1;
    return app.exec();
}
