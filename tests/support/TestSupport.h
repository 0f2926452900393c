#ifndef TESTS_SUPPORT_TESTSUPPORT_H
#define TESTS_SUPPORT_TESTSUPPORT_H

#include <string>
#include <sys/types.h>
#include <vector>

struct ALLEGRO_BITMAP;

namespace testsupport {

// A fresh, empty directory under /tmp, removed with its contents when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return dir; }
    std::string file(const std::string& name) const { return dir + "/" + name; }

private:
    std::string dir;
};

// A private X server for one test, so end-to-end tests never share keyboard focus.
class Xvfb {
public:
    Xvfb(int width = 1024, int height = 768);
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;
    const std::string& name() const { return display; }

private:
    pid_t pid = -1;
    std::string display;
};

// The game binary started in a working directory on a given X display.
class GameProcess {
public:
    GameProcess(const std::string& workDir, const std::string& display);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;
    // Exit status, or -1 when it did not end within the time (it is then killed).
    int waitExit(double seconds);
    bool running();
    std::string stderrText() const;

private:
    pid_t pid = -1;
    int status = -1;
    std::string errFile;
};

// Runs a shell command; returns its standard output, and its exit status through `status`.
std::string run(const std::string& command, int* status = nullptr);
// The id of the first window whose name matches the pattern, waiting up to `seconds`.
std::string waitForWindow(const std::string& display, const std::string& pattern,
                          double seconds);
// Waits until a window of that name has gone, up to `seconds`.
bool waitWindowGone(const std::string& display, const std::string& pattern, double seconds);
// Screenshot of the whole X screen to a PNG.
void screenshot(const std::string& display, const std::string& path);
// Gives the window the keyboard focus, then presses and releases a key (X keysym name).
void pressKey(const std::string& display, const std::string& window, const std::string& key);

// Pixels of a PNG read back for checks (RGB, row-major).
struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    bool load(const std::string& path);
    int brightness(int x, int y) const;
    // Count of pixels of a rectangle brighter than the threshold.
    int countBright(int x0, int y0, int x1, int y1, int threshold) const;
};

// Share of the pixels of rows y0..y1 of a screenshot that match a reference picture drawn at
// offsetY on the screen, within a small tolerance (every second pixel is compared).
double matchShare(const Image& screen, const Image& reference, int offsetY, int y0, int y1);

// Links build/data into a working directory (so a test may also copy and spoil it).
void linkData(const std::string& workDir);
void writeFile(const std::string& path, const std::string& text);
// A mono 16-bit WAV tone of the given length, for sounds that tests play.
void writeTone(const std::string& path, double seconds);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

}  // namespace testsupport

#endif
