#include "platform/gui/GuardedApplication.h"

#include <QEvent>
#include <QMetaEnum>
#include <cstdio>
#include <exception>

#include "platform/gui/MessageBox.h"

namespace zelvo {
namespace {

std::string whereOf(const QObject* receiver, const QEvent* event) {
  std::string where = receiver ? receiver->metaObject()->className() : "?";
  if (receiver && !receiver->objectName().isEmpty()) where += " \"" + receiver->objectName().toStdString() + "\"";
  if (event) {
    const char* type = QMetaEnum::fromType<QEvent::Type>().valueToKey(event->type());
    where += std::string(", ") + (type ? type : std::to_string(int(event->type())).c_str());
  }
  return where;
}

// True when the user chose to go on.
bool report(const std::string& what, const std::string& where, const std::string& caption, bool offerToGoOn) {
  std::string text = "処理中にエラーが発生しました\n" + what + "\n(" + where + ")";
  if (offerToGoOn) text += "\n\n保存していない作業を保存できるよう、続けますか？";
  if (!CanShowMessages()) std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  if (!offerToGoOn) {
    ShowMessage(text, caption, MessageKind::Error, {MessageAnswer::Ok});
    return false;
  }
  return ShowMessage(text, caption, MessageKind::Question, {MessageAnswer::Yes, MessageAnswer::No}) ==
         MessageAnswer::Yes;
}

}  // namespace

TGuardedApplication::TGuardedApplication(int& argc, char** argv, std::string caption, bool offerToGoOn)
    : QApplication(argc, argv), caption_(std::move(caption)), offerToGoOn_(offerToGoOn) {}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
  return Guard([&] { return QApplication::notify(receiver, event); }, receiver, event, caption_, offerToGoOn_,
               [] { QCoreApplication::exit(1); });
}

bool TGuardedApplication::ReportEscaped(std::exception_ptr escaped, const QObject* receiver, const QEvent* event,
                                        const std::string& caption, bool offerToGoOn) {
  std::string what = "不明なエラー";
  try {
    std::rethrow_exception(escaped);
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  return report(what, whereOf(receiver, event), caption, offerToGoOn);
}

}  // namespace zelvo
