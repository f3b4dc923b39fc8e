#pragma once

#include "app/AppState.h"
#include "app/Services.h"
#include "platform/disc/DiscFolder.h"
#include "platform/media/MediaOpenError.h"

#include <QObject>

#include <memory>

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
