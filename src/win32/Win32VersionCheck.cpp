// The version check's worker: one plain HTTP GET with WinHTTP, on a thread of
// its own that owns everything it touches, so that it may outlive the window
// and never holds up the program's exit.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <memory>
#include <string>
#include <utility>

#include "Text.h"
#include "Win32Services.h"
#include "web/Product.h"
#include "web/VersionFetch.h"

namespace orvelle::win32 {

namespace {

struct InternetHandle {
    HINTERNET handle = nullptr;
    explicit InternetHandle(HINTERNET h) : handle(h) {}
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() {
        if (handle != nullptr) WinHttpCloseHandle(handle);
    }
    explicit operator bool() const { return handle != nullptr; }
};

struct Job {
    std::string url;
    FetchLimits limits;
    std::shared_ptr<OnlineCheckResult> slot;
};

std::int64_t NowMs() { return static_cast<std::int64_t>(GetTickCount64()); }

void SetWait(HINTERNET request, int waitMs) {
    DWORD wait = static_cast<DWORD>(waitMs);
    WinHttpSetOption(request, WINHTTP_OPTION_CONNECT_TIMEOUT, &wait, sizeof wait);
    WinHttpSetOption(request, WINHTTP_OPTION_SEND_TIMEOUT, &wait, sizeof wait);
    WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_TIMEOUT, &wait, sizeof wait);
    // The receive time-out is per packet: this one bounds the whole head, however slowly it trickles in.
    WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &wait, sizeof wait);
}

std::optional<std::uint64_t> ContentLength(HINTERNET request) {
    DWORD announced = 0;
    DWORD size = sizeof announced;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &announced, &size, WINHTTP_NO_HEADER_INDEX))
        return std::nullopt;
    return announced;
}

std::string Location(HINTERNET request) {
    DWORD bytes = 0;
    WinHttpQueryHeaders(request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER,
                        &bytes, WINHTTP_NO_HEADER_INDEX);
    if (bytes == 0 || bytes > 8192) return {};
    std::wstring location(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, location.data(), &bytes,
                             WINHTTP_NO_HEADER_INDEX))
        return {};
    location.resize(bytes / sizeof(wchar_t));
    return Narrow(location);
}

// Moves what WinHTTP reports into the fetch, which decides everything: the
// status, the lengths, the redirects (WinHTTP's own are off) and the times.
Result<std::string> Fetch(const Job& job) {
    VersionFetch fetch(job.url, job.limits, NowMs());
    const std::wstring agent = Widen(std::string(ProductName) + "/" + ProgramVersion);
    InternetHandle session(WinHttpOpen(agent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                       WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return SystemFailure(GetLastError());
    while (fetch.Next() == VersionFetch::Step::Request) {
        const HttpUrl& target = fetch.Target();
        InternetHandle connection(
            WinHttpConnect(session.handle, Widen(target.host).c_str(), static_cast<INTERNET_PORT>(target.port), 0));
        InternetHandle request(connection ? WinHttpOpenRequest(connection.handle, L"GET", Widen(target.path).c_str(),
                                                               nullptr, WINHTTP_NO_REFERER,
                                                               WINHTTP_DEFAULT_ACCEPT_TYPES, 0)
                                          : nullptr);
        if (!request) return SystemFailure(GetLastError());
        DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
        WinHttpSetOption(request.handle, WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects, sizeof noRedirects);
        SetWait(request.handle, fetch.WaitMs(NowMs()));
        DWORD status = 0;
        DWORD size = sizeof status;
        if (!WinHttpSendRequest(request.handle, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
            !WinHttpReceiveResponse(request.handle, nullptr) ||
            !WinHttpQueryHeaders(request.handle, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                 WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
            return SystemFailure(GetLastError());
        fetch.Head(static_cast<int>(status), ContentLength(request.handle), Location(request.handle), NowMs());
        char buffer[1024];
        while (fetch.Next() == VersionFetch::Step::ReadBody) {
            SetWait(request.handle, fetch.WaitMs(NowMs()));
            // Only what has arrived is read: a read of a whole buffer would wait for a trickling server to fill it.
            DWORD available = 0;
            DWORD read = 0;
            if (!WinHttpQueryDataAvailable(request.handle, &available)) return SystemFailure(GetLastError());
            if (available != 0 &&
                !WinHttpReadData(request.handle, buffer, std::min<DWORD>(available, sizeof buffer), &read))
                return SystemFailure(GetLastError());
            if (read == 0)
                fetch.End(NowMs());
            else
                fetch.Body(std::string_view(buffer, read), NowMs());
        }
    }
    return fetch.Answer();
}

void NameThisThread() {
    using SetDescription = HRESULT(WINAPI*)(HANDLE, PCWSTR);
    const auto setDescription = reinterpret_cast<SetDescription>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetThreadDescription")));
    if (setDescription != nullptr) setDescription(GetCurrentThread(), L"OnlineCheck");
}

DWORD WINAPI CheckThread(void* parameter) {
    const std::unique_ptr<Job> job(static_cast<Job*>(parameter));
    NameThisThread();
    Result<std::string> result = MakeFailure("the check stopped");
    try {
        result = Fetch(*job);
    } catch (...) {
        // Nothing may leave the thread; the check has failed.
    }
    job->slot->Set(std::move(result));  // the worker's last act
    return 0;
}

}  // namespace

void Win32VersionCheck::Start(const std::string& url, const FetchLimits& limits,
                              std::shared_ptr<OnlineCheckResult> slot) {
    auto job = std::make_unique<Job>(Job{url, limits, slot});
    HANDLE thread = CreateThread(nullptr, 0, CheckThread, job.get(), 0, nullptr);
    if (thread == nullptr) {
        slot->Set(SystemFailure(GetLastError()));
        return;
    }
    job.release();  // the thread owns it now
    CloseHandle(thread);
}

}  // namespace orvelle::win32
