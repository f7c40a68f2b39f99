#pragma once
// A name held by one process of the user at a time (the Windows named semaphore the program
// uses to refuse a second start of the same book). Released when the object goes or the
// process ends, also when it dies.

#include <QString>
#include <memory>
#include <string>

class QLockFile;

class TNamedGuard {
 public:
  explicit TNamedGuard(const std::string& name);  // Windows-1251
  ~TNamedGuard();
  // False when another process already holds the name.
  bool Acquire();
  bool Held() const;

  static QString LockFolder();
  static QString LockFileFor(const std::string& name);

 private:
  std::unique_ptr<QLockFile> lock_;
};
