// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/captured_run.h"

#include <QDir>

namespace wrenpad {

CapturedRun::CapturedRun(QObject* parent) : QObject(parent) {
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  connect(&process_, &QProcess::readyReadStandardOutput, this, &CapturedRun::readOutput);
  connect(&process_, &QProcess::readyReadStandardError, this, &CapturedRun::readError);
  connect(&process_, &QProcess::finished, this, &CapturedRun::onFinished);
  connect(&process_, &QProcess::errorOccurred, this, &CapturedRun::onError);
}

CapturedRun::~CapturedRun() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.kill();
  process_.waitForFinished(1000);
}

bool CapturedRun::start(const RunRequest& request) {
  if (isRunning()) return false;
  request_ = request;
  result_ = RunResult{};
  reported_ = false;
  process_.setWorkingDirectory(request.workingFolder);
  process_.start(request.program, request.arguments, QIODevice::ReadWrite);
  if (!process_.waitForStarted()) {
    onError(process_.error());
    return false;
  }
  result_.started = true;
  if (!request.input.isEmpty()) process_.write(request.input.toLocal8Bit());
  process_.closeWriteChannel();
  return true;
}

// Tools print in the system's encoding; what they print is text for the pane.
void CapturedRun::readOutput() {
  result_.standardOutput += QString::fromLocal8Bit(process_.readAllStandardOutput());
  emit outputChanged(result_.paneText());
}

void CapturedRun::readError() {
  result_.standardError += QString::fromLocal8Bit(process_.readAllStandardError());
  emit outputChanged(result_.paneText());
}

void CapturedRun::onFinished(int exitCode, QProcess::ExitStatus status) {
  readOutput();
  readError();
  result_.exitCode = exitCode;
  result_.crashed = status == QProcess::CrashExit;
  if (reported_) return;
  reported_ = true;
  emit finished(result_);
}

void CapturedRun::onError(QProcess::ProcessError error) {
  if (error != QProcess::FailedToStart || reported_) return;
  const QString folder = request_.workingFolder.isEmpty() ? QDir::currentPath() : request_.workingFolder;
  result_.started = false;
  result_.startError = process_.errorString();
  result_.failure = QStringLiteral("\"%1\" could not be started (%2), run in \"%3\".")
                        .arg(request_.program, process_.errorString(), QDir::toNativeSeparators(folder));
  reported_ = true;
  emit finished(result_);
}

}  // namespace wrenpad
