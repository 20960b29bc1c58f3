#pragma once
// What the simulated terminal did, one JSON object a line: {"seq":1,"ms":12,"event":"command",...}.
// Lines go to the log file (flushed one by one, so a test may read it while the terminal runs) and
// are kept in memory for tests that run the terminal in-process.

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace feld::sim {

class SimLog {
public:
    // An empty path keeps the lines in memory only.
    explicit SimLog(const std::string& path = {});
    ~SimLog();
    SimLog(const SimLog&) = delete;
    SimLog& operator=(const SimLog&) = delete;

    bool ok() const { return path_.empty() || file_ != nullptr; }
    const std::string& error() const { return error_; }

    // Builds one line; write() writes it.
    class Line {
    public:
        Line(SimLog& log, const char* event);
        Line& str(const char* key, const std::string& value);
        Line& num(const char* key, std::int64_t value);
        Line& flag(const char* key, bool value);
        void write();

    private:
        SimLog& log_;
        std::string text_;
    };
    Line line(const char* event) { return Line(*this, event); }

    std::vector<std::string> lines() const;

    static std::string quote(const std::string& s);

private:
    void append(const std::string& body);

    std::string path_;
    std::string error_;
    std::FILE* file_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    std::int64_t seq_ = 0;
    std::int64_t startNs_ = 0;
};

}  // namespace feld::sim
