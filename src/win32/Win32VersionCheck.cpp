// The version check's worker: one plain HTTP GET with WinHTTP, on a thread of
// its own that owns everything it touches, so that it may outlive the window
// and never holds up the program's exit.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>

#include "Text.h"
#include "Win32Services.h"
#include "web/Product.h"
#include "web/WebSites.h"

namespace orvelle::win32 {

namespace {

// Each step waits at most this long, and the whole fetch at most kWholeFetch,
// so that a server that never answers or trickles bytes cannot hold a check.
constexpr int kStepTimeoutMs = 5000;
constexpr auto kWholeFetch = std::chrono::seconds(20);
constexpr DWORD kMaxRedirects = 5;

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
    std::shared_ptr<OnlineCheckResult> slot;
};

// "http://host[:port]/path" as the program builds it.
bool SplitUrl(const std::string& url, HostAndPort& host, std::string& path) {
    constexpr std::string_view kScheme = "http://";
    if (url.compare(0, kScheme.size(), kScheme) != 0) return false;
    const std::size_t slash = url.find('/', kScheme.size());
    host = SplitHostPort(std::string_view(url).substr(kScheme.size(), slash - kScheme.size()));
    path = slash == std::string::npos ? "/" : url.substr(slash);
    return !host.host.empty();
}

std::string Fetch(const std::string& url) {
    HostAndPort host;
    std::string path;
    if (!SplitUrl(url, host, path)) return kCheckFailed;
    const auto deadline = std::chrono::steady_clock::now() + kWholeFetch;
    const std::wstring agent = Widen(std::string(ProductName) + "/" + ProgramVersion);
    InternetHandle session(WinHttpOpen(agent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                       WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return kCheckFailed;
    WinHttpSetTimeouts(session.handle, kStepTimeoutMs, kStepTimeoutMs, kStepTimeoutMs, kStepTimeoutMs);
    InternetHandle connection(
        WinHttpConnect(session.handle, Widen(host.host).c_str(), static_cast<INTERNET_PORT>(host.port), 0));
    if (!connection) return kCheckFailed;
    InternetHandle request(WinHttpOpenRequest(connection.handle, L"GET", Widen(path).c_str(), nullptr,
                                              WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
    if (!request) return kCheckFailed;
    // The receive time-out is per packet: this one bounds the whole header, however slowly it trickles in.
    DWORD headerTimeout = kStepTimeoutMs;
    WinHttpSetOption(request.handle, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headerTimeout, sizeof headerTimeout);
    // A site may move its file once or twice; a server that redirects in a loop gets no more turns than this.
    DWORD redirects = kMaxRedirects;
    WinHttpSetOption(request.handle, WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects, sizeof redirects);
    if (!WinHttpSendRequest(request.handle, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.handle, nullptr))
        return kCheckFailed;
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request.handle, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX) ||
        status != 200)
        return kCheckFailed;

    // A version file is a few bytes: a longer body, or one that takes too long, is no answer.
    DWORD announced = 0;
    size = sizeof announced;
    const bool lengthKnown =
        WinHttpQueryHeaders(request.handle, WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                            WINHTTP_HEADER_NAME_BY_INDEX, &announced, &size, WINHTTP_NO_HEADER_INDEX) != FALSE;
    if (lengthKnown && announced > kVersionReplyMaxBytes) return kCheckFailed;
    std::string body;
    char buffer[1024];
    while (true) {
        if (std::chrono::steady_clock::now() > deadline) return kCheckFailed;
        // Only what has arrived is read: a read of a whole buffer would wait for a trickling server to fill it.
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(request.handle, &available)) return kCheckFailed;
        if (available == 0) break;
        DWORD read = 0;
        if (!WinHttpReadData(request.handle, buffer, std::min<DWORD>(available, sizeof buffer), &read))
            return kCheckFailed;
        if (read == 0) break;
        body.append(buffer, read);
        if (body.size() > kVersionReplyMaxBytes) return kCheckFailed;
    }
    // A connection closed before the announced length is a reply cut short, not a version file.
    if (lengthKnown && announced != body.size()) return kCheckFailed;
    // An empty reply could not be told from no reply yet.
    return body.empty() ? std::string(kCheckFailed) : body;
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
    std::string result;
    try {
        result = Fetch(job->url);
    } catch (...) {
        result = kCheckFailed;
    }
    job->slot->Set(std::move(result));  // the worker's last act
    return 0;
}

}  // namespace

void Win32VersionCheck::Start(const std::string& url, std::shared_ptr<OnlineCheckResult> slot) {
    auto job = std::make_unique<Job>(Job{url, slot});
    HANDLE thread = CreateThread(nullptr, 0, CheckThread, job.get(), 0, nullptr);
    if (thread == nullptr) {
        slot->Set(kCheckFailed);
        return;
    }
    job.release();  // the thread owns it now
    CloseHandle(thread);
}

}  // namespace orvelle::win32
