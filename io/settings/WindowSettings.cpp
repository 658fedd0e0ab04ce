#include "io/settings/WindowSettings.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "io/FlagText.h"
#include "io/ProfileFile.h"

namespace {

constexpr std::string_view kSection = "Window";

std::string RecentKey(std::size_t index) {
    return "Recent" + std::to_string(index + 1);
}

std::optional<int> ReadNumber(const std::string& path, std::string_view key) {
    const std::string text = GetPrivateProfileString(kSection, key, "", path);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::vector<std::string> LoadRecentJobs(const std::string& path) {
    std::vector<std::string> jobs;
    for (std::size_t i = 0; i < kRecentJobsKept; ++i) {
        std::string job = GetPrivateProfileString(kSection, RecentKey(i), "", path);
        if (!job.empty()) {
            jobs.push_back(std::move(job));
        }
    }
    return jobs;
}

bool SaveRecentJobs(const std::string& path, const std::vector<std::string>& jobs) {
    for (std::size_t i = 0; i < kRecentJobsKept && i < jobs.size(); ++i) {
        if (!WritePrivateProfileString(kSection, RecentKey(i), jobs[i], path)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> WithRecentJob(std::vector<std::string> jobs, const std::string& job) {
    jobs.erase(std::remove(jobs.begin(), jobs.end(), job), jobs.end());
    jobs.insert(jobs.begin(), job);
    if (jobs.size() > kRecentJobsKept) {
        jobs.resize(kRecentJobsKept);
    }
    return jobs;
}

std::optional<WindowPlace> LoadWindowPlace(const std::string& path) {
    const std::optional<int> left = ReadNumber(path, "Left");
    const std::optional<int> top = ReadNumber(path, "Top");
    const std::optional<int> width = ReadNumber(path, "Width");
    const std::optional<int> height = ReadNumber(path, "Height");
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) {
        return std::nullopt;
    }
    const bool maximized = IsSetFlag(GetPrivateProfileString(kSection, "Maximized", "", path));
    return WindowPlace{*left, *top, *width, *height, maximized};
}

bool SaveWindowPlace(const std::string& path, const WindowPlace& place) {
    return WritePrivateProfileString(kSection, "Left", std::to_string(place.Left), path) &&
           WritePrivateProfileString(kSection, "Top", std::to_string(place.Top), path) &&
           WritePrivateProfileString(kSection, "Width", std::to_string(place.Width), path) &&
           WritePrivateProfileString(kSection, "Height", std::to_string(place.Height), path) &&
           WritePrivateProfileString(kSection, "Maximized", FlagText(place.Maximized), path);
}
