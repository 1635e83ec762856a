// Composing the bug report.
#include "BugReport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

namespace {

constexpr char kBeginSession[] = "BEGIN SESSION: ";
constexpr char kSeparator[] = "---------------------------------------------------------";

}  // namespace

SystemFacts CurrentSystemFacts() {
  SystemFacts facts;
  facts.gameVersion = PAVLEMIR_VERSION;
  facts.operatingSystem = QString("%1 (%2 %3, %4)")
                              .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                                   QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture());
  facts.qtVersion = qVersion();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QSize size = screen->geometry().size() * screen->devicePixelRatio();
    facts.screens
        << QString("%1 x %2, %3 bits").arg(size.width()).arg(size.height()).arg(screen->depth());
  }
  return facts;
}

QString LastSessions(const QString& log, int count) {
  const QStringList lines = log.split('\n');
  int from = 0;
  int found = 0;
  for (int i = static_cast<int>(lines.size()) - 1; i >= 0 && found < count; --i) {
    if (!lines[i].startsWith(kBeginSession)) continue;
    from = i > 0 && lines[i - 1] == kSeparator ? i - 1 : i;
    ++found;
  }
  return lines.mid(from).join('\n');
}

QString ComposeBugReport(const SystemFacts& facts, const QString& programDirectory) {
  QString report;
  report += "Pavlemir bug report\n\n";
  report += "What happened (please describe what you were doing when the error occurred):\n\n\n";
  report += "Game version: " + facts.gameVersion + "\n";
  report += "Operating system: " + facts.operatingSystem + "\n";
  report += "Qt version: " + facts.qtVersion + "\n";
  for (const QString& screen : facts.screens) report += "Screen: " + screen + "\n";
  const QString logPath = QDir(programDirectory).filePath("Exception.log");
  QFile log(logPath);
  if (!log.open(QIODevice::ReadOnly)) {
    report += "\nNo session log was found (" + QDir::toNativeSeparators(logPath) + ").\n";
    return report;
  }
  report += "\nThe last sessions of " + QDir::toNativeSeparators(logPath) + ":\n";
  report += LastSessions(QString::fromLocal8Bit(log.readAll()), kReportedSessions);
  if (!report.endsWith('\n')) report += '\n';
  return report;
}
