#include "platform/gui/MessageBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace zelvo {

namespace {

MessageBoxService* installed = nullptr;

QMessageBox::StandardButton toQt(MessageAnswer a) {
  switch (a) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

MessageAnswer fromQt(int b) {
  switch (b) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
  }
}

MessageAnswer showWithQt(const MessageBoxRequest& r) {
  QMessageBox::Icon icon = r.kind == MessageKind::Warning    ? QMessageBox::Warning
                           : r.kind == MessageKind::Error    ? QMessageBox::Critical
                           : r.kind == MessageKind::Question ? QMessageBox::Question
                                                             : QMessageBox::Information;
  QMessageBox::StandardButtons buttons;
  for (MessageAnswer a : r.buttons) buttons |= toQt(a);
  if (!buttons) buttons = QMessageBox::Ok;
  QMessageBox box(icon, QString::fromStdString(r.caption), QString::fromStdString(r.text), buttons);
  return fromQt(box.exec());
}

bool somebodyCanAnswer() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

MessageAnswer firstButton(const MessageBoxRequest& request) {
  return request.buttons.empty() ? MessageAnswer::Ok : request.buttons.front();
}

MessageAnswer showOnScreen(const MessageBoxRequest& request) {
  return somebodyCanAnswer() ? showWithQt(request) : firstButton(request);
}

}  // namespace

std::string DisplayText(std::string utf8) {
  // 0x5C is never part of a multi-byte UTF-8 character.
  std::replace(utf8.begin(), utf8.end(), '\\', '/');
  return utf8;
}

MessageAnswer ShowMessage(const MessageBoxRequest& request) {
  return installed ? installed->show(request) : showOnScreen(request);
}

bool CanShowMessages() { return installed != nullptr || somebodyCanAnswer(); }

MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageKind kind,
                          std::vector<MessageAnswer> buttons) {
  return ShowMessage(MessageBoxRequest{text, caption, kind, std::move(buttons)});
}

MessageAnswer AskInstalled(const MessageBoxRequest& request) {
  return installed ? installed->show(request) : firstButton(request);
}

MessageAnswer AskInstalled(const std::string& text, const std::string& caption, MessageKind kind,
                           std::vector<MessageAnswer> buttons) {
  return AskInstalled(MessageBoxRequest{text, caption, kind, std::move(buttons)});
}

InstalledMessageBoxService::InstalledMessageBoxService() : previous_(installed) { installed = this; }

InstalledMessageBoxService::~InstalledMessageBoxService() { installed = previous_; }

MessageAnswer ScreenMessageBoxes::show(const MessageBoxRequest& request) {
  // With no screen to show the box on, the message still reaches whoever started the program.
  if (!somebodyCanAnswer())
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), DisplayText(request.text).c_str());
  return showOnScreen(request);
}

MessageAnswer MessageBoxRecorder::show(const MessageBoxRequest& request) {
  shown.push_back(request);
  if (!answers.empty()) {
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  return firstButton(request);
}

}  // namespace zelvo
