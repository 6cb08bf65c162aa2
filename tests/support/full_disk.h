#pragma once

#include <csignal>

#include <sys/resource.h>

// A full disk, as faithful as it gets without one: while it lives, no write makes a file of this
// process larger than `bytes` (the writes fail with EFBIG, as they fail with ENOSPC on a full
// disk). SIGXFSZ is ignored meanwhile, so that the write reports the failure instead of ending the
// process. Only the soft limit is lowered, so that it can be raised again.
class FullDisk {
  public:
    explicit FullDisk(rlim_t bytes = 0) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
