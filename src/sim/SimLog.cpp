#include "sim/SimLog.h"

#include <cerrno>
#include <cstring>

#include "sim/SimLine.h"

namespace feld::sim {

SimLog::SimLog(const std::string& path) : path_(path), startNs_(SimLine::nowNs())
{
    if (!path_.empty()) {
        file_ = std::fopen(path_.c_str(), "a");
        if (!file_)
            error_ = "cannot write the log " + path_ + ": " + std::strerror(errno);
    }
}

SimLog::~SimLog()
{
    if (file_)
        std::fclose(file_);
}

std::string SimLog::quote(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c >= 0x7F) {
                // Names from the line are not trusted to be UTF-8: bytes outside ASCII are escaped
                // one by one so every line stays valid JSON.
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

SimLog::Line::Line(SimLog& log, const char* event) : log_(log)
{
    text_ = std::string("\"event\":") + quote(event);
}

SimLog::Line& SimLog::Line::str(const char* key, const std::string& value)
{
    text_ += std::string(",\"") + key + "\":" + quote(value);
    return *this;
}

SimLog::Line& SimLog::Line::num(const char* key, std::int64_t value)
{
    text_ += std::string(",\"") + key + "\":" + std::to_string(value);
    return *this;
}

SimLog::Line& SimLog::Line::flag(const char* key, bool value)
{
    text_ += std::string(",\"") + key + "\":" + (value ? "true" : "false");
    return *this;
}

void SimLog::Line::write() { log_.append(text_); }

void SimLog::append(const std::string& body)
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::int64_t ms = (SimLine::nowNs() - startNs_) / 1'000'000;
    std::string line = "{\"seq\":" + std::to_string(++seq_) + ",\"ms\":" + std::to_string(ms) + "," + body + "}";
    lines_.push_back(line);
    if (file_) {
        std::fputs(line.c_str(), file_);
        std::fputc('\n', file_);
        std::fflush(file_);
    }
}

std::vector<std::string> SimLog::lines() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

}  // namespace feld::sim
