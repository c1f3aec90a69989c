#pragma once
// TCustomNetInstallLocation: an FTP or HTTP server that holds archives named
// after install objects. Install objects know it by its login information
// and ask it to download; the transfer itself is built on WinInet above the
// tree (src/netlocation).

#include <functional>
#include <string>

#include "component/component.h"
#include "component/event.h"

namespace vorlan {

enum TInternetProtocol : uint8_t { ipFTP, ipHTTP };

class TCustomLoginInformation : public TPersistent {
  VORLAN_CLASS_INFO()

 public:
  bool Anonymous() const { return anonymous_; }
  void SetAnonymous(bool value) { anonymous_ = value; }
  const std::string& Directory() const { return directory_; }
  void SetDirectory(const std::string& value) { directory_ = value; }
  const std::string& Hostname() const { return hostname_; }
  void SetHostname(const std::string& value) { hostname_ = value; }
  const std::string& Password() const { return password_; }
  void SetPassword(const std::string& value) { password_ = value; }
  TInternetProtocol Protocol() const { return protocol_; }
  void SetProtocol(TInternetProtocol value) { protocol_ = value; }
  const std::string& Username() const { return username_; }
  void SetUsername(const std::string& value) { username_ = value; }

  // Enough to log in: a host, and for a named login a user name too.
  bool IsComplete() const;

 private:
  bool anonymous_ = true;
  std::string directory_;
  std::string hostname_;
  std::string password_;
  TInternetProtocol protocol_ = ipHTTP;
  std::string username_;
};

class TCustomNetInstallLocation : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  // Progress of a download: file name, bytes of the block, bytes so far,
  // file size, the block.
  using TReceiver = std::function<void(const std::string& file_name, int32_t bytes, int32_t total_bytes,
                                       int32_t file_size, const void* buffer)>;

  explicit TCustomNetInstallLocation(TComponent* owner);
  ~TCustomNetInstallLocation() override;

  TCustomLoginInformation& LoginInformation() { return login_information_; }
  const TCustomLoginInformation& LoginInformation() const { return login_information_; }

  // Copies the remote file into local_path, telling the receiver as it goes.
  virtual void Download(const std::string& remote_name, const std::string& local_path) = 0;
  void SetReceiver(TReceiver receiver) { receiver_ = std::move(receiver); }
  const TReceiver& Receiver() const { return receiver_; }

 private:
  TCustomLoginInformation login_information_;
  TReceiver receiver_;
};

// The user cancelled a transfer from the progress window.
bool DownloadAborted();
void SetDownloadAborted(bool aborted);

}  // namespace vorlan
