// The exception types' fields and their log message.
#include "diag/CGP_Exeption.h"

CGP_Exeption::CGP_Exeption(const char* path, std::size_t line, const char* internalText)
    : CGP_Exeption(path, line, internalText, nullptr, false, false) {}

CGP_Exeption::CGP_Exeption(const char* path, std::size_t line, const char* internalText,
                           const char* userText, bool report, bool fatal)
    : userText_(userText),
      report_(report),
      internalText_(internalText),
      fatal_(fatal),
      line_(line),
      module_(ModuleFromPath(path)) {}

std::string CGP_Exeption::BuildMessage() const {
  std::string message = "Line " + std::to_string(line_) + " in module " + module_;
  message += " throw exception";
  if (internalText_ != nullptr) {
    message += ":\n";
    message += internalText_;
  }
  return message;
}

CGP_FatalExeption::CGP_FatalExeption(const char* path, std::size_t line, const char* internalText,
                                     const char* userText, bool report)
    : CGP_Exeption(path, line, internalText, userText, report, true) {}

const char* ModuleFromPath(const char* path) {
  if (path == nullptr) return "";
  const char* module = path;
  for (const char* at = path; *at != '\0'; ++at) {
    if (*at == '/' || *at == '\\') module = at + 1;
  }
  return module;
}
