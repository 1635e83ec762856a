// The program's own exception types for failures the game cannot survive.
#pragma once

#include <cstddef>
#include <string>

// What a raise site knows about an internal error: where it was raised, what went wrong (for the
// log) and, in derived types, what the user is told. Every text is static: the exception only
// points at it, so raising needs no memory. The base type has no user text, no report and is
// not fatal.
class CGP_Exeption {
 public:
  CGP_Exeption(const char* path, std::size_t line, const char* internalText);
  virtual ~CGP_Exeption() = default;
  CGP_Exeption(const CGP_Exeption&) = default;
  CGP_Exeption& operator=(const CGP_Exeption&) = default;

  // "Line %d in module %s throw exception", then ":\n" and the internal text when there is one.
  virtual std::string BuildMessage() const;

  const char* UserText() const { return userText_; }
  // Set: the "Application error" dialog is shown instead of a message box.
  bool Report() const { return report_; }
  const char* InternalText() const { return internalText_; }
  bool IsFatal() const { return fatal_; }
  std::size_t Line() const { return line_; }
  const char* Module() const { return module_; }

 protected:
  CGP_Exeption(const char* path, std::size_t line, const char* internalText, const char* userText,
               bool report, bool fatal);

 private:
  const char* userText_ = nullptr;
  bool report_ = false;
  const char* internalText_ = nullptr;
  bool fatal_ = false;
  std::size_t line_ = 0;
  const char* module_ = "";
};

// The type every raise in the game uses: always fatal, with the user's text and report flag.
class CGP_FatalExeption : public CGP_Exeption {
 public:
  CGP_FatalExeption(const char* path, std::size_t line, const char* internalText,
                    const char* userText, bool report);
};

// The file name of a source path: what follows its last '/' or '\\', the whole path when it has
// neither, and "" for no path. Points into the path.
const char* ModuleFromPath(const char* path);
