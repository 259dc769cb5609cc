#pragma once
// The window toolkit's backend: what a real window system (or the headless
// stand-in) does for the portable forms. The backend mirrors the portable
// state of forms and controls and reports what the user does; it never
// decides what an event means.

#include "platform/geometry.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class Application;
class Control;
class Form;
class MenuItem;
class PopupMenu;
class StartedProgram;

enum class ControlProperty {
    Text, Lines, Enabled, Visible, Checked, Bounds, Focus, Items, Selection, Position, TextSelection, Columns,
    ItemTexts  // some items' texts (ListBox::revisedItems)
};
enum class FormProperty { Caption, Bounds, Visible };

// The backend's half of one control: told after each change of the portable
// state, it makes the real control show it.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void update(ControlProperty property) = 0;
};

class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void update(FormProperty property) = 0;
    // What the frame, caption and menu add to the client area, in screen pixels.
    virtual Size frameExtra() const = 0;
    // The window's dots per inch: what a design pixel is scaled by.
    virtual int dpi() const { return designDpi; }
    // Paints what waits to be painted, now.
    virtual void paintPending() {}
};

// The plain kinds carry the application title instead of a fixed one.
enum class MessageKind { Warning, Error, Information, Confirm, PlainError, PlainQuestion };
enum class MessageButtons { Ok, YesNo, YesCancel };
enum class MessageResult { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
    MessageKind kind = MessageKind::Information;
    std::string title;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
};

// The captions of a box's buttons, left to right.
std::vector<std::string> buttonCaptions(MessageButtons buttons);
// The answer's name, for logs and test messages.
const char* resultName(MessageResult result);

struct OpenFileRequest {
    std::string filter;    // "Description|*.ext|Description|*.*"
    std::string fileName;  // the name the dialog opens on; may be a full path
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Creates the form's window and all its controls, hidden, and attaches
    // their peers.
    virtual void createWindow(Form& form) = 0;
    virtual Size screenSize() = 0;
    // The application's title: the task-bar entry's caption.
    virtual void setTitle(const std::string& title) = 0;

    // Shows the form and returns once it has been closed (hidden again);
    // the other windows take no input meanwhile.
    virtual void runModal(Form& form) = 0;
    // Runs the message loop until the application is terminated.
    virtual void runMessageLoop(Application& app) = 0;
    // Handles the messages that are waiting, then returns.
    virtual void processMessages() = 0;
    // Blocks until a message arrives, the program (when given) ends or
    // `atMost` has passed, using no processor meanwhile, then handles the
    // messages that are waiting.
    virtual void waitForEvents(std::chrono::milliseconds atMost, StartedProgram* program) = 0;
    // A clock for waits: it only ever moves on.
    virtual std::chrono::milliseconds now() = 0;
    // Posts the stop message to the thread's queue; whoever waits for a
    // program sees it once it has been handled.
    virtual void postStopMessage() = 0;
    // Whether a stop message was handled since the last call.
    virtual bool takeStopMessage() = 0;
    // Ends the message loop once the handler that asked for it returns.
    virtual void quit() = 0;
    // Runs the step once the messages waiting, the user's input and painting
    // among them, have been handled. Long work goes in such steps, each
    // asking for the next, and the windows answer all the while.
    virtual void whenIdle(std::function<void()> step) = 0;

    virtual MessageResult messageBox(const MessageBoxRequest& request) = 0;
    // The chosen full path, or none when the user cancelled.
    virtual std::optional<std::string> openFileDialog(const OpenFileRequest& request) = 0;
    // Shows the pop-up menu at a point of the screen until the user chooses
    // an item (returned) or dismisses it (null).
    virtual MenuItem* trackPopupMenu(const PopupMenu& menu, Point screen) = 0;
};

}  // namespace zelvio
