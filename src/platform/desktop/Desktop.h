#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace vistrel {

// Starting programs and handing folders and links to the desktop. Never through a shell.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Starts the program without waiting; false when the platform refused to start it.
    bool startProgram(const QString& program, const QStringList& arguments);
    // The same with a parameter as a disc author writes it after the program's path: Windows
    // hands it to the program as its command line, elsewhere it is split into words the way a
    // shell splits them (nothing expanded).
    bool startProgramWithParameter(const QString& program, const QString& parameter);
    // Why the desktop did not open a folder or file; told once, possibly after the call has
    // returned.
    using NotOpened = std::function<void(const QString& reason)>;
    // Hands the folder to the desktop's file manager; notOpened hears of a failure.
    void openFolder(const QString& path, NotOpened notOpened = {});
    // Opens the file with the system's program for its kind; notOpened hears of a failure, also
    // when the system has no program for it.
    void openFile(const QString& path, NotOpened notOpened);
    void openUrl(const QUrl& url);

  protected:
    virtual bool doStartProgram(const QString& program, const QStringList& arguments) = 0;
    virtual bool doStartProgramWithParameter(const QString& program, const QString& parameter);
    virtual void doOpenFolder(const QString& path, NotOpened notOpened) = 0;
    virtual void doOpenFile(const QString& path, NotOpened notOpened) = 0;
    virtual void doOpenUrl(const QUrl& url) = 0;

  private:
    static bool reportStart(const QString& program, bool started);
};

} // namespace vistrel
