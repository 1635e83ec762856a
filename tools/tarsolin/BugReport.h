// The text of a bug report: the game's and the system's facts and the log's last sessions.
#pragma once

#include <QString>
#include <QStringList>

// What the report tells about the system the game ran on.
struct SystemFacts {
  QString gameVersion;
  QString operatingSystem;
  QString qtVersion;
  // One line per screen: "1920 x 1080, 24 bits".
  QStringList screens;
};

// The facts of this system, read now (needs the application object).
SystemFacts CurrentSystemFacts();

// The last `count` sessions of the log's text, oldest first, each from the separator line
// above its "BEGIN SESSION" line; the whole text when it holds no such line.
QString LastSessions(const QString& log, int count);

// The report: a heading, a place for the player's own words, the facts, and the last sessions
// of "Exception.log" in `programDirectory`, or a note that there is no log.
QString ComposeBugReport(const SystemFacts& facts, const QString& programDirectory);

inline constexpr int kReportedSessions = 3;
