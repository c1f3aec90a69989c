// varc: the archive component from the command line, for authors and tests.
//
//   varc list ARCHIVE
//   varc add ARCHIVE FILE... [--append] [--id N] [--level none|fastest|default|max]
//   varc extract ARCHIVE DIR [NAME...]
//   varc span ARCHIVE DIR PARTNAME
//   varc info SETUP.EXE
//
// A NAME is a member's source name or its file-name part. Failures print the
// component's message and end with exit code 1; a wrong command line with 2.

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "archive/self_extract_info.h"
#include "archive/vorlan_compress.h"
#include "base/format.h"
#include "base/strings.h"

namespace vorlan {
namespace {

using TArgs = std::vector<std::string>;

class EUsage : public std::exception {};

const char kUsage[] =
    "usage: varc list ARCHIVE\n"
    "       varc add ARCHIVE FILE... [--append] [--id N] [--level none|fastest|default|max]\n"
    "       varc extract ARCHIVE DIR [NAME...]\n"
    "       varc span ARCHIVE DIR PARTNAME\n"
    "       varc info SETUP.EXE\n";

std::string DateText(TDateTime date) {
  if (!(date > -657435.0 && date < 2958466.0)) return "(bad date)";
  TDateTimeParts p = DecodeDateTime(date);
  return Format("%.4d-%.2d-%.2d %.2d:%.2d:%.2d", p.year, p.month, p.day, p.hour, p.minute, p.second);
}

// The user at the console plays the disk changer: Enter keeps the
// directory, a line of text names another one.
void AskForDisk(const char* what, int disk_number, std::string& path) {
  std::cerr << Format(what, disk_number, path) << std::flush;
  std::string line;
  if (std::getline(std::cin, line) && !Trim(line).empty()) path = RemoveBackslash(Trim(line));
}

int List(const TArgs& args) {
  if (args.size() != 1) throw EUsage();
  TVorlanCompress compress(nullptr);
  compress.SetCompressedFile(args[0]);
  compress.SetOnListing([](TVorlanCompress& c, TlzhFileStats& s) {
    const TFileHeaderRecord& h = s.Header;
    std::string parts = c.Headers().Spanned() ? Format("  parts %d-%d", h.FirstPart, h.LastPart) : "";
    std::cout << Format("%4d %10d  %s  id %4d  %-20s %s%s\n", h.Number, h.Size, DateText(h.Date), h.UniqueID,
                        h.Version, h.SourceName, parts);
  });
  compress.List();
  const TFileHeaders& headers = compress.Headers();
  std::cout << Format("%d members, %d bytes%s\n", headers.Count(), headers.TotalSize(),
                      headers.Spanned() ? ", spanned" : "");
  return 0;
}

TCompressionLevel LevelOf(const std::string& text) {
  static const char* kNames[] = {"none", "fastest", "default", "max"};
  for (int i = 0; i < 4; ++i) {
    if (SameText(text, kNames[i])) return static_cast<TCompressionLevel>(i);
  }
  throw EUsage();
}

int Add(const TArgs& args) {
  TVorlanCompress compress(nullptr);
  TStringList files;
  bool append = false;
  int64_t id = 0;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--append") {
      append = true;
    } else if (args[i] == "--id" && i + 1 < args.size()) {
      auto value = TryStrToInt(args[++i]);
      if (!value || *value < 0 || *value >= TVorlanCompress::kIdentifierCount) throw EUsage();
      id = *value;
    } else if (args[i] == "--level" && i + 1 < args.size()) {
      compress.SetCompressionLevel(LevelOf(args[++i]));
    } else if (StartsWithText(args[i], "--")) {
      throw EUsage();
    } else {
      files.push_back(args[i]);
    }
  }
  if (args.empty() || files.empty()) throw EUsage();
  compress.SetCompressedFile(args[0]);
  compress.SetFilesToProcess(files);
  compress.SetOnAfterAdding([](TVorlanCompress&, TlzhFileStats& s) {
    std::cout << Format("added %s (%d bytes)\n", s.FileName, s.FileSize);
  });
  compress.Add(append, static_cast<int>(id));
  return 0;
}

bool Names(const std::string& name, const std::string& source) {
  return SameText(name, source) || SameText(name, ExtractFileName(source));
}

// The members the names stand for; every member without names.
TStringList MembersNamed(TVorlanCompress& compress, const TArgs& names) {
  TStringList members;
  const TFileHeaders& headers = compress.Headers();
  for (int i = 0; i < headers.Count(); ++i) {
    const std::string& source = headers.Header(i).Record().SourceName;
    if (names.empty() || std::any_of(names.begin(), names.end(), [&](auto& n) { return Names(n, source); })) {
      members.push_back(source);
    }
  }
  for (const std::string& name : names) {
    // A name no member has goes through, for the component to report.
    if (std::none_of(members.begin(), members.end(), [&](auto& m) { return Names(name, m); })) members.push_back(name);
  }
  return members;
}

int Extract(const TArgs& args) {
  if (args.size() < 2) throw EUsage();
  TVorlanCompress compress(nullptr);
  compress.SetCompressedFile(args[0]);
  compress.SetExtractDirectory(RemoveBackslash(args[1]));
  compress.ReadHeaders();
  compress.SetFilesToProcess(MembersNamed(compress, TArgs(args.begin() + 2, args.end())));
  compress.SetOnNewDisk([](TVorlanCompress&, int disk_number, std::string& path) {
    AskForDisk("Insert disk %d (looked for in %s) and press Enter, or type its directory: ", disk_number, path);
  });
  compress.SetOnStatus([](TVorlanCompress&, TlzhFileStats& s) {
    if (s.Finished) std::cout << Format("extracted %s\n", s.FileName);
  });
  compress.Extract();
  return 0;
}

int Span(const TArgs& args) {
  if (args.size() != 3) throw EUsage();
  TVorlanCompress compress(nullptr);
  compress.SetCompressedFile(args[0]);
  compress.SetOnNewDisk([](TVorlanCompress&, int disk_number, std::string& path) {
    AskForDisk("Put in disk %d for %s and press Enter, or type another directory: ", disk_number, path);
  });
  compress.Span(RemoveBackslash(args[1]), args[2]);
  int parts = 1;
  const TFileHeaders& headers = compress.Headers();
  for (int i = 0; i < headers.Count(); ++i) parts = std::max<int>(parts, headers.Header(i).Record().LastPart);
  std::cout << Format("spanned over %d parts\n", parts);
  return 0;
}

int Info(const TArgs& args) {
  if (args.size() != 1) throw EUsage();
  SelfExtractInfo info = ReadSelfExtractInfo(args[0]);
  if (info.Signature != "SELFEXTRACTING" && info.Signature != "NOTSELFEXTRACT") {
    std::cerr << Format("varc: %s carries no self-extract record\n", args[0]);
    return 1;
  }
  std::cout << Format("Signature          %s\n", info.Signature)
            << Format("SetupArchiveStart  %d\nSetupArchiveEnd    %d\n", info.SetupArchiveStart, info.SetupArchiveEnd)
            << Format("FilesArchiveStart  %d\nFilesArchiveEnd    %d\n", info.FilesArchiveStart, info.FilesArchiveEnd);
  return 0;
}

int Run(const TArgs& args) {
  if (args.empty()) throw EUsage();
  TArgs rest(args.begin() + 1, args.end());
  if (args[0] == "list") return List(rest);
  if (args[0] == "add") return Add(rest);
  if (args[0] == "extract") return Extract(rest);
  if (args[0] == "span") return Span(rest);
  if (args[0] == "info") return Info(rest);
  throw EUsage();
}

}  // namespace
}  // namespace vorlan

int main(int argc, char** argv) {
  try {
    return vorlan::Run(vorlan::TArgs(argv + 1, argv + argc));
  } catch (const vorlan::EUsage&) {
    std::cerr << vorlan::kUsage;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "varc: " << e.what() << "\n";
    return 1;
  }
}
