#pragma once

#include <optional>
#include <string>
#include <vector>

// What is kept of the window itself, in a section of its own: the jobs used
// last (in a file of their own) and the window's place (in the settings
// file, written only once the window has been moved or sized).

inline constexpr std::size_t kRecentJobsKept = 4;

// The job files used last, the latest first.
std::vector<std::string> LoadRecentJobs(const std::string& path);
// False when the file refuses the write.
bool SaveRecentJobs(const std::string& path, const std::vector<std::string>& jobs);
// The list with a job put first, once, and no more than kRecentJobsKept.
std::vector<std::string> WithRecentJob(std::vector<std::string> jobs, const std::string& job);

struct WindowPlace {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Maximized = false;

    bool operator==(const WindowPlace&) const = default;
};

// Nothing unless the file holds a whole place with a size above zero.
std::optional<WindowPlace> LoadWindowPlace(const std::string& path);
bool SaveWindowPlace(const std::string& path, const WindowPlace& place);
