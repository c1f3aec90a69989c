#pragma once
// The exception classes of the framework. Every failure of the system is one
// of these, carrying its English message text; IException and its family pass
// their format through the translator before the arguments are filled in.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/format.h"

namespace vorlan {

// The root of every exception the system raises itself.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 protected:
  void SetMessage(std::string message) { message_ = std::move(message); }

 private:
  std::string message_;
};

#define VORLAN_EXCEPTION(Name, Base)  \
  class Name : public Base {          \
   public:                            \
    using Base::Base;                 \
  }

// The silent abort: an event raising it skips the current object only.
class EAbort : public Exception {
 public:
  EAbort() : Exception("Operation aborted") {}
  explicit EAbort(std::string message) : Exception(std::move(message)) {}
};

VORLAN_EXCEPTION(EConvertError, Exception);
VORLAN_EXCEPTION(EFOpenError, Exception);
VORLAN_EXCEPTION(EFCreateError, Exception);
VORLAN_EXCEPTION(EInOutError, Exception);

VORLAN_EXCEPTION(ECustomVorlanAbnormal, Exception);
VORLAN_EXCEPTION(EVorlanAbnormal, ECustomVorlanAbnormal);

// Turns an English message or format into the current language; set by the
// translator, the identity until then.
using TMessageTranslation = std::function<std::string(const std::string&)>;
void SetMessageTranslation(TMessageTranslation translation);
std::string TranslateMessage(const std::string& message);
// Translates the format, then fills in the arguments. A translation whose
// directives do not fit the arguments falls back to the English format, so a
// faulty language file cannot turn one error into another.
std::string FormatTranslated(const std::string& format, const std::vector<FormatArg>& args);

class IException : public ECustomVorlanAbnormal {
 public:
  // A message without arguments is translated but not formatted: a "%" in it stays.
  explicit IException(const std::string& message)
      : ECustomVorlanAbnormal(TranslateMessage(message)) {}

  template <typename... Args>
    requires(sizeof...(Args) > 0)
  IException(const std::string& format, const Args&... args)
      : ECustomVorlanAbnormal(FormatTranslated(format, std::vector<FormatArg>{FormatArg(args)...})) {}
};

// Run-time install exceptions and the user's cancel.
VORLAN_EXCEPTION(EAI, Exception);

class EAIUserAbort : public EAI {
 public:
  EAIUserAbort() : EAI("Installation aborted by the user") {}
};

class EUserAbortInstall : public Exception {
 public:
  EUserAbortInstall() : Exception("Creating Install Aborted!") {}
};

// Engine and install object errors.
VORLAN_EXCEPTION(IEInstall, IException);
VORLAN_EXCEPTION(IEInstallNetLocNil, IEInstall);
VORLAN_EXCEPTION(IEInstallContainer, IException);
VORLAN_EXCEPTION(IEFileRelated, IException);
VORLAN_EXCEPTION(IEFileRel_NoNetLocation, IEFileRelated);
VORLAN_EXCEPTION(IEFileContainer, IException);
VORLAN_EXCEPTION(IEfcDuplicateFile, IEFileContainer);
VORLAN_EXCEPTION(IEfcSetAttributes, IEFileContainer);
VORLAN_EXCEPTION(IENoVorlanPath, IException);
VORLAN_EXCEPTION(IECustomInstallFile, IException);
VORLAN_EXCEPTION(IECustomInstallFileList, IException);
VORLAN_EXCEPTION(IEContainerList, IException);
VORLAN_EXCEPTION(IEInstallGroup, IException);

}  // namespace vorlan
