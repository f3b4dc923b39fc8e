#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace vistrel {

class DocumentView;
class ImageArea;
class VideoPlacer;

// What the window's middle shows and what plays there, with one owner: the playback buttons, the
// slideshow, the information document and the display modes ask it and tell it, and none of them
// keeps a copy. It also owns the two timers of the middle: the start of playback and the slides'.
class Stage : public QObject {
    Q_OBJECT
  public:
    // What plays: chosen at start; a movie or music that cannot be played leaves what is left.
    enum class Show { Nothing, Movie, Music, Slides, MusicAndSlides };
    Q_ENUM(Show)
    // What is in front in the video area. The pictures stay beneath the video, which draws only
    // while it has a picture (music has none, and its slides go on showing); the document covers
    // both. Nothing: the slides put away for a document that could not be shown.
    enum class View { Pictures, Video, Document, Nothing };
    Q_ENUM(View)

    Stage(VideoPlacer& video, ImageArea& pictures, DocumentView& document, QObject* parent);

    static Show showOf(bool movie, bool music, bool slides);

    // At start: what plays, and its movie or music file (empty when there is none).
    void setShow(Show show, const QString& mediaFile);
    Show show() const { return show_; }
    const QString& mediaFile() const { return mediaFile_; }
    bool movie() const { return show_ == Show::Movie; }
    bool slides() const { return show_ == Show::Slides || show_ == Show::MusicAndSlides; }
    // A movie or music is there to be opened.
    bool opensMedia() const;
    // The movie or music cannot be played: what is left plays on, and a movie gives the screen
    // and the front back to the pictures. False when no media was left: a failure counts once.
    bool giveUpMedia();

    View view() const { return view_; }
    void showView(View view);
    // The media in front again after the document, which stopped a movie: the pictures, as Stop
    // leaves them; Play brings the video back.
    void showMedia();
    // The document at this path in front of everything.
    void showDocument(const QString& path);

    // Milliseconds between the slides' steps; 0: they step by hand only. Until it is set there
    // are no slides to run.
    void setSlideInterval(int ms);
    int slideInterval() const { return slideInterval_; }
    void runSlides();
    void holdSlides();
    bool slidesRunning() const { return slideTimer_.isActive(); }

    // The start of playback is asked for on every turn of the event loop from now on, until
    // endStartCue(): the window is shown first.
    void cueStart();
    void endStartCue();
    bool startCued() const { return movieTimer_.isActive(); }

  signals:
    void slideDue();
    void startDue();

  private:
    VideoPlacer& video_;
    ImageArea& pictures_;
    DocumentView& document_;
    Show show_ = Show::Nothing;
    QString mediaFile_;
    View view_ = View::Pictures;
    QTimer movieTimer_;
    QTimer slideTimer_;
    bool slidesSetUp_ = false;
    int slideInterval_ = 0;
};

} // namespace vistrel
