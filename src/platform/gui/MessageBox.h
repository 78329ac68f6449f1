#pragma once
// The one way both programs show a message box. Tests install a MessageBoxRecorder, which answers
// from a script and keeps every request, so no test needs a display. Code that holds no widgets
// (the editor's rules) asks through AskInstalled, and the program installs the real boxes.

#include <deque>
#include <string>
#include <vector>

namespace zelvo {

enum class MessageKind { Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
  std::string text;     // UTF-8
  std::string caption;  // UTF-8
  MessageKind kind = MessageKind::Information;
  std::vector<MessageAnswer> buttons{MessageAnswer::Ok};
};

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual MessageAnswer show(const MessageBoxRequest& request) = 0;
};

// UTF-8 text as a message shows it: every "\" of a game path turned into the "/" of the native
// paths around it, so a path reads with one separator.
std::string DisplayText(std::string utf8);

// Shows through the installed service, or through a modal Qt box when none is installed. Where
// nobody can answer (no widget application, or a platform without a screen such as "offscreen")
// nothing is shown and the request's first button answers at once.
MessageAnswer ShowMessage(const MessageBoxRequest& request);
// Whether ShowMessage reaches a service or a person; callers with no other way to tell the user
// write to stderr instead.
bool CanShowMessages();
MessageAnswer ShowMessage(const std::string& text, const std::string& caption = {},
                          MessageKind kind = MessageKind::Information,
                          std::vector<MessageAnswer> buttons = {MessageAnswer::Ok});

// Asks through the installed service only, never opening a box itself; with none installed the
// request's first button answers.
MessageAnswer AskInstalled(const MessageBoxRequest& request);
MessageAnswer AskInstalled(const std::string& text, const std::string& caption = {},
                           MessageKind kind = MessageKind::Information,
                           std::vector<MessageAnswer> buttons = {MessageAnswer::Ok});

// A service that installs itself for its lifetime; the one it replaced comes back when it goes.
class InstalledMessageBoxService : public MessageBoxService {
 public:
  InstalledMessageBoxService();
  ~InstalledMessageBoxService() override;
  InstalledMessageBoxService(const InstalledMessageBoxService&) = delete;
  InstalledMessageBoxService& operator=(const InstalledMessageBoxService&) = delete;

 private:
  MessageBoxService* previous_;
};

// The real boxes, as ShowMessage shows them with no service installed. The editor installs one at
// start, so what its rules ask reaches the user.
class ScreenMessageBoxes : public InstalledMessageBoxService {
 public:
  MessageAnswer show(const MessageBoxRequest& request) override;
};

class MessageBoxRecorder : public InstalledMessageBoxService {
 public:
  // Answers given in order; when none is left, the request's first button.
  std::deque<MessageAnswer> answers;
  std::vector<MessageBoxRequest> shown;

  MessageAnswer show(const MessageBoxRequest& request) override;
};

}  // namespace zelvo
