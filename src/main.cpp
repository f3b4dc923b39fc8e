#include "platform/FileRegistry.h"
#include "platform/ImmediateProgramEnd.h"
#include "platform/LocalSingleInstance.h"
#include "platform/QtDesktop.h"
#include "platform/QtDocumentView.h"
#include "platform/QtMediaPlayerControl.h"
#include "platform/QtMessageBoxes.h"
#include "startup/Core.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QMediaFormat>

using namespace vistrel;

namespace {

// The disc folder: the program's own folder, or the folder named by the first argument.
QString discFolder(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Vistrel: the skinned front end of a video disc.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("disc", "Disc folder to use instead of the program's folder.",
                                 "[disc]");
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (!arguments.isEmpty())
        return QDir(arguments.first()).absolutePath();
    return QCoreApplication::applicationDirPath();
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
    QApplication app(argc, argv);
    QApplication::setApplicationName("vistrel");
    QApplication::setApplicationVersion(VISTREL_VERSION);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    const QString appPath = discFolder(app);

    FileRegistry registry = FileRegistry::forThisUser();
    QtMessageBoxes messages;
    ImmediateProgramEnd programEnd;
    QtDesktop desktop;
    LocalSingleInstance singleInstance;
    programEnd.addCleanup([&singleInstance] { singleInstance.release(); });

    Core core(Services{
        registry, messages, programEnd, desktop, singleInstance,
        [](QWidget* parent) { return new QtMediaPlayerControl(parent); },
        [](QWidget* parent) { return new QtDocumentView(parent); },
        frameworkDecodesMpeg4Video});
    if (!core.Main(appPath))
        return 1;
    return app.exec();
}
