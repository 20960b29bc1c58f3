#pragma once
// The line end the simulated terminal serves: a pseudo-terminal it opens itself, or a device it is
// given. Both ends go into raw mode. The pseudo-terminal's own slave end stays open for the object's
// life, so PC programs may open and close the device at will without the master reading EIO.

#include <string>

namespace feld::sim {

class SimPty {
public:
    SimPty() = default;
    ~SimPty();
    SimPty(const SimPty&) = delete;
    SimPty& operator=(const SimPty&) = delete;

    // Opens a new pseudo-terminal. False with a reason in error().
    bool openPty();
    // Opens an existing device (serial port, a pseudo-terminal slave made by another program).
    bool openDevice(const std::string& path, long baud);

    int fd() const { return fd_; }              // the end the terminal reads and writes
    int slaveFd() const { return slaveFd_; }    // the kept slave end (-1 for a device)
    const std::string& path() const { return path_; }  // what the PC opens
    const std::string& error() const { return error_; }
    void close();

private:
    int fd_ = -1;
    int slaveFd_ = -1;
    std::string path_;
    std::string error_;
};

// Raw mode: no echo, no line editing, no translation, 8 data bits, reads return what is there.
bool makeRaw(int fd, long baud);

// The bit rate and stop bits the line is set to (on a pseudo-terminal's master: what the program
// on the other end set; data bits and parity a pseudo-terminal does not keep). False when they
// cannot be read, or the rate is none of the usual ones.
bool lineSettings(int fd, long& baud, int& stopBits);

}  // namespace feld::sim
