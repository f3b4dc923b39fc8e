#pragma once

#include <QObject>
#include <QString>

namespace vistrel {

class Core;
class MainDialog;

// The four buttons that open what the disc carries: a folder of extra content, the information
// document (in place of the media), and the codec and player installers.
class DiscActions : public QObject {
    Q_OBJECT
  public:
    explicit DiscActions(Core& core);

    void connectTo(MainDialog& dialog);

    void Explore();
    void ToggleInfo();
    void InstallCodec();
    void InstallPlayer();

  private:
    void showMedia();
    void showDocument();
    void install(const QString& configuredPath);

    Core& core_;
};

} // namespace vistrel
