// The fallbacks of the compatibility object, which this test build takes
// for every function (Wine has them all; the oldest systems do not): what
// the runtime libraries get from each, and the file streams, threads and
// futures of the C++ library working on top of them.

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <fstream>
#include <future>
#include <iterator>
#include <string>
#include <thread>

#include "import_entries.h"
#include "system/unique_handle.h"
#include "win_test_support.h"

namespace vorlan::testing {
namespace {

// The entry of function holds what this build binds it to: not the
// system's function.
void ExpectFallback(const char* function) {
  for (const TImportEntry& entry : kImportEntries) {
    if (std::string(entry.function) != function) continue;
    EXPECT_NE(entry.Bound(), entry.SystemFunction()) << function;
    return;
  }
  ADD_FAILURE() << "no entry for " << function;
}

TEST(ImportFallbacksTest, TickCountCountsOnFromTheSystemsCount) {
  ULONGLONG first = GetTickCount64();
  DWORD system = GetTickCount();
  ULONGLONG second = GetTickCount64();
  ExpectFallback("GetTickCount64");
  EXPECT_LE(first, second);
  EXPECT_LT(static_cast<DWORD>(system - static_cast<DWORD>(first)), 1000u);
  EXPECT_LT(static_cast<DWORD>(static_cast<DWORD>(second) - system), 1000u);
}

class FileStatusTest : public TempDirTest {};

// The size keeps its high half; the times are those of the file.
TEST_F(FileStatusTest, SizesBeyondFourGigabytesAndTheTimes) {
  constexpr int64_t kSize = (int64_t{5} << 30) + 7;
  std::string path = Path("large.bin");
  {
    TUniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(file.Valid());
    LONG high = static_cast<LONG>(kSize >> 32);
    SetFilePointer(file.Get(), static_cast<LONG>(kSize), &high, FILE_BEGIN);
    ASSERT_TRUE(SetEndOfFile(file.Get()));
  }
  int descriptor = _open(path.c_str(), _O_RDONLY | _O_BINARY);
  ASSERT_GE(descriptor, 0);
  struct _stat64 status {};
  int result = _fstat64(descriptor, &status);
  _close(descriptor);
  ExpectFallback("_fstat64");
  ASSERT_EQ(result, 0);
  EXPECT_EQ(status.st_size, kSize);
  EXPECT_TRUE(status.st_mode & _S_IFREG);
  EXPECT_LT(std::llabs(status.st_mtime - std::time(nullptr)), 60);
  EXPECT_EQ(_fstat64(-1, &status), -1);
}

// The file stream asks for the size of what is left to read.
TEST_F(FileStatusTest, StreamRoundTrip) {
  std::string content;
  for (int i = 0; i < 70000; ++i) content += static_cast<char>(i * 7);
  std::string path = Path("stream.bin");
  {
    std::ofstream out(path, std::ios::binary);
    out << content;
    ASSERT_TRUE(out.good());
  }
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(in.rdbuf()->in_avail(), static_cast<std::streamsize>(content.size()));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content);
  ExpectFallback("_fstat64");
}

TEST(ImportFallbacksTest, WhatTheThreadLibraryGets) {
  CRITICAL_SECTION section;
  InitializeCriticalSection(&section);
  EXPECT_TRUE(TryEnterCriticalSection(&section));
  EXPECT_TRUE(TryEnterCriticalSection(&section));  // its owner enters again
  LeaveCriticalSection(&section);
  LeaveCriticalSection(&section);
  DeleteCriticalSection(&section);

  TUniqueKernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  DWORD flags = 99;
  EXPECT_TRUE(GetHandleInformation(event.Get(), &flags));
  EXPECT_EQ(flags, 0u);
  HANDLE closed = event.Release();
  CloseHandle(closed);
  EXPECT_FALSE(GetHandleInformation(closed, &flags));

  EXPECT_TRUE(SetProcessAffinityMask(GetCurrentProcess(), 1));
  EXPECT_FALSE(SetProcessAffinityMask(GetCurrentProcess(), 3));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

  EXPECT_FALSE(IsDebuggerPresent());
  EXPECT_EQ(AddVectoredExceptionHandler(1, IgnoreException), nullptr);
  EXPECT_EQ(RemoveVectoredExceptionHandler(nullptr), 0u);

  for (const char* function : {"TryEnterCriticalSection", "GetHandleInformation", "SetProcessAffinityMask",
                               "IsDebuggerPresent", "AddVectoredExceptionHandler", "RemoveVectoredExceptionHandler"}) {
    ExpectFallback(function);
  }
}

// The C++ library's threads, futures and their condition variables.
TEST(ImportFallbacksTest, ThreadsAndFutures) {
  int seen = 0;
  std::thread thread([&] { seen = 1; });
  thread.join();
  EXPECT_EQ(seen, 1);
  for (int i = 0; i < 20; ++i) {
    auto answer = std::async(std::launch::async, [i] { return i * 2; });
    EXPECT_EQ(answer.get(), i * 2);
  }
}

}  // namespace
}  // namespace vorlan::testing
