#pragma once

#include "app/AppState.h"
#include "app/Services.h"
#include "platform/disc/DiscFolder.h"
#include "platform/media/MediaOpenError.h"

#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

namespace vistrel {

class ButtonLooks;
class DiscActions;
class DisplayModes;
class ExternalPlayer;
class LanguageLoader;
class MainMenu;
class Messages;
class Playback;
class SkinLoader;
class Slideshow;

// Where what plays had got to: a window that replaces this one goes on from there when it plays
// the same file.
struct PlayingMoment {
    QString file;
    double seconds = 0;
};

// The composition root: runs the start-up sequence, makes every feature with just what it uses
// and makes every connection between them, in connectFeatures().
class Application : public QObject {
    Q_OBJECT
  public:
    explicit Application(Services services);
    ~Application() override;

    // The start-up sequence. True when the main window is shown; false when the program has
    // been ended (services.programEnd has been told why).
    bool Main(const QString& appPath);

    // Before Main: the window shows at topLeft rather than where a first start puts it, and what
    // plays starts at the moment given when it is that file.
    void placeAt(QPoint topLeft) { place_ = topLeft; }
    void goOnFrom(PlayingMoment moment) { goOn_ = std::move(moment); }
    PlayingMoment playingMoment() const;
    // The main window, once Main has made it.
    MainDialog* window() const { return dialog_.get(); }

  private:
    bool fail(const QString& reason);
    bool loadLanguage();
    const Components& installedComponents();
    void selectMedia();
    QString mediaFile();
    bool isOffered(ButtonId id) const;
    void showOfferedButtons();
    void reportMediaNotOpened(const QString& path, MediaOpenError error);
    QString titlePicture() const;
    void makeSkinLoader();
    void makeFeatures();
    void connectFeatures();
    void connectButtons();
    void connectKeys();
    void end(const QString& reason);

    Services services_;
    AppState state_;
    bool detected_ = false;
    std::optional<QPoint> place_;
    PlayingMoment goOn_;
    DiscFolder disc_;
    std::unique_ptr<MainDialog> dialog_;
    std::unique_ptr<Messages> messages_;
    std::unique_ptr<LanguageLoader> language_;
    std::unique_ptr<SkinLoader> skins_;
    std::unique_ptr<Slideshow> slideshow_;
    std::unique_ptr<ButtonLooks> looks_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<DiscActions> actions_;
    std::unique_ptr<Playback> playback_;
    std::unique_ptr<DisplayModes> displayModes_;
    std::unique_ptr<ExternalPlayer> externalPlayer_;
};

} // namespace vistrel
