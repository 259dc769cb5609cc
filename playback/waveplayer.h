#pragma once
// The wave pane's play: wave files or CD tracks one after the other through
// one media device, with Stop, Back and Fwd, and the position on the
// information window. There is one set of play state: a play started during
// a play runs inside it, and when it ends the first one ends with it.

#include "common/progress.h"
#include "playback/mediadevice.h"

#include <functional>
#include <string>
#include <vector>

namespace zelvio {

class Application;

// A wave file by its whole path, or a CD track by its number.
struct PlayItem {
    std::string wavePath;
    int track = 0;
};

class WavePlayer {
public:
    WavePlayer(Application& app, Progress& progress);

    // Plays the items and returns when the list is used up or stopped. The
    // play goes on when the main window is closed meanwhile, to the end of
    // the list, and only then does the program end.
    void play(const std::vector<PlayItem>& items, SoundSource source);
    // The buttons' actions; each ends the current item, and the next step of
    // the play moves on from there.
    void stop();
    void back();
    void forward();
    void pauseOrResume();

    // Whether Back and Fwd have somewhere to go, each time that changes.
    std::function<void(bool back, bool forward)> onPlace;

    MediaDevice& device() { return device_; }

private:
    // Opens and plays the item at playindex_.
    void start(bool first, SoundSource source);
    void showPosition(SoundSource source);

    Application& app_;
    Progress& progress_;
    MediaDevice device_;
    // The items of one play and an empty one that ends them; the item playing;
    // the flags the loop steers by.
    std::vector<PlayItem> playlist_;
    std::size_t playcount_ = 0;
    long playindex_ = 0;
    bool playended_ = false;
    bool playdone_ = true;
};

}  // namespace zelvio
