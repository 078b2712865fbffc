#pragma once

#include <csignal>
#include <sys/resource.h>

namespace orvane::test {

// While it lives, every write of this process into a file past `bytes` fails as on a full disk,
// for root too. Writes to pipes, such as the test's output under CTest, are not limited.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        // The write fails with an error instead of the signal ending the process.
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace orvane::test
