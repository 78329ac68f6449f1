#pragma once
// The programs' application object. An exception that escapes the handling of an event would end
// the program at once, with every unsaved edit gone; here it is caught, the user is told what
// failed, and (in the editor) asked whether to go on.

#include <QApplication>
#include <exception>
#include <string>

namespace zelvo {

class TGuardedApplication final : public QApplication {
 public:
  // caption (UTF-8) is the program's name on the box; offerToGoOn lets the user carry on.
  TGuardedApplication(int& argc, char** argv, std::string caption, bool offerToGoOn);

  bool notify(QObject* receiver, QEvent* event) override;

  // Runs deliver; when it throws, reports what failed in receiver's handling of event and, unless
  // the user goes on, calls end (notify's ends the event loop with exit code 1). Returns
  // deliver's result, or false. A template, so that every event's delivery stays a plain call.
  template <class Deliver, class End>
  static bool Guard(Deliver&& deliver, const QObject* receiver, const QEvent* event, const std::string& caption,
                    bool offerToGoOn, End&& end) {
    try {
      return deliver();
    } catch (...) {
      if (!ReportEscaped(std::current_exception(), receiver, event, caption, offerToGoOn)) end();
      return false;
    }
  }

  // Tells the user of an exception that escaped receiver's handling of event; true when the
  // user chose to go on.
  static bool ReportEscaped(std::exception_ptr escaped, const QObject* receiver, const QEvent* event,
                            const std::string& caption, bool offerToGoOn);

 private:
  std::string caption_;
  bool offerToGoOn_;
};

}  // namespace zelvo
