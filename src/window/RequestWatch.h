#pragma once

namespace vistrel {

// Whether the window manager acted on a request about the window (full screen, back to normal):
// fed at each tick with whether the window has what was asked, it asks for the request again
// after a quiet while and gives up after a few tries. A loaded window manager now and then drops
// such a request, and the window would stay as it was.
class RequestWatch {
  public:
    enum class Action { Wait, AskAgain, Done, GiveUp };

    static constexpr int TickMs = 200;
    static constexpr int QuietTicks = 5;
    static constexpr int Tries = 3;

    // A new request: what was seen before is forgotten.
    void start();
    Action tick(bool granted);

  private:
    int quietTicks_ = 0;
    int askedAgain_ = 0;
};

} // namespace vistrel
