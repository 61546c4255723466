#include "Parallel.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vemra::demo {

namespace {

class Progress {
public:
    Progress(const QString& label, int total)
        : m_label(label.toLocal8Bit()), m_total(total), m_terminal(isatty(STDOUT_FILENO) != 0)
    {
    }

    void advance()
    {
        const std::lock_guard lock(m_mutex);
        ++m_done;
        // On a terminal the line is redrawn in place; in a log, every tenth goes on a line.
        if (m_terminal)
            std::printf("\r%s %d/%d", m_label.constData(), m_done, m_total);
        else if (m_done * 10 / m_total != (m_done - 1) * 10 / m_total || m_done == m_total)
            std::printf("%s %d/%d\n", m_label.constData(), m_done, m_total);
        if (m_terminal && m_done == m_total)
            std::printf("\n");
        std::fflush(stdout);
    }

private:
    QByteArray m_label;
    int m_total;
    bool m_terminal;
    int m_done = 0;
    std::mutex m_mutex;
};

} // namespace

void runInParallel(const QString& label, int count, int threads, const std::function<void(int)>& task)
{
    Progress progress(label, count);
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr firstError;
    std::mutex errorMutex;

    auto worker = [&] {
        while (!failed) {
            const int index = next++;
            if (index >= count)
                return;
            try {
                task(index);
                progress.advance();
            } catch (...) {
                const std::lock_guard lock(errorMutex);
                if (!firstError)
                    firstError = std::current_exception();
                failed = true;
            }
        }
    };
    std::vector<std::thread> pool;
    for (int i = 0; i < std::max(1, threads); ++i)
        pool.emplace_back(worker);
    for (std::thread& thread : pool)
        thread.join();
    if (firstError)
        std::rethrow_exception(firstError);
}

} // namespace vemra::demo
