#pragma once
// The fixed answers of batch mode: every question and notice the window can
// show is recognised by its caption and text and answered without a person,
// together with what it means for the run's report and exit status.

#include <string>

namespace batch {

// What a message or a log line means for the exit status, from harmless up.
enum class Severity {
  None,     // nothing to report
  Note,     // reported, the file is still done (a duplicate name, an empty list)
  Problem,  // a file refused, skipped or not written: exit status 1
  Usage,    // the command cannot run as given (a bad cue file): exit status 2
  Fatal     // an error that ended the run: exit status 3
};

struct Reply {
  int answer = 0;  // the message box answer (IDOK, IDYES, IDNO)
  Severity severity = Severity::None;
  // The window's own text to report (code page 932), empty when nothing is reported.
  std::string report;
};

struct BatchChoices {
  bool force = false;  // expand the protected system folders
};

// The answer to a message box of the program. title is the application's title,
// the caption of its notices and of its error display.
Reply AnswerMessage(const std::string& text, const std::string& caption, unsigned flags,
                    const std::string& title, const BatchChoices& choices);

// What a line that the run writes to the log means for the report: a file
// left unwritten (the read-only policy, a file changed since it was read,
// attributes that cannot be carried over) is a problem; everything else is not.
Reply ClassifyLogLine(const std::string& line);

}  // namespace batch
