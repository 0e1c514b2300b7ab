#include "net/https_download.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "base/cancel_token.h"
#include "base/os.h"
#include "net/http_response.h"
#include "net/socket_calls.h"
#include "net/socket_connection.h"

// WinHTTP runs asynchronously here, so that this thread alone owns the handles and can stop
// waiting at a time-out or a cancel: it then closes the handles, which ends the transfer. A
// completion may still arrive after that, so what the callback touches (the step's outcome and
// the read buffer) lives in a shared state that the request's last callback releases.
namespace {
constexpr size_t READ_CHUNK_BYTES = 65536;
// How often a waiting step looks whether its work was cancelled.
constexpr int CANCEL_CHECK_MILLISECONDS = 100;

// What the callback reports about the step that is running.
struct StepState {
    std::mutex mutex;
    std::condition_variable finished;
    bool pending = false;                                            // guarded by mutex
    bool failed = false;                                             // guarded by mutex
    DWORD error = 0;                                                 // guarded by mutex
    DWORD certificateProblems = 0;                                   // guarded by mutex
    DWORD bytesRead = 0;                                             // guarded by mutex
    std::vector<char> buffer = std::vector<char>(READ_CHUNK_BYTES);  // WinHTTP reads into it
};

// The request's context value: one reference to the state, released when the handle closes.
using StateReference = std::shared_ptr<StepState>;

void CALLBACK OnRequestStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info,
                              DWORD infoLength) {
    if (context == 0) return;
    auto* reference = reinterpret_cast<StateReference*>(context);
    if (status == WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING) {
        delete reference;
        return;
    }
    StepState& state = **reference;
    std::lock_guard<std::mutex> lock(state.mutex);
    switch (status) {
    case WINHTTP_CALLBACK_STATUS_SECURE_FAILURE:
        if (info && infoLength >= sizeof(DWORD))
            state.certificateProblems = *static_cast<DWORD*>(info);
        return;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
        state.failed = true;
        state.error = info ? static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError : 0;
        break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE: state.bytesRead = infoLength; break;
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE: break;
    default: return;
    }
    state.pending = false;
    state.finished.notify_all();
}

// The handles of one transfer, closed request first.
struct TransferHandles {
    HINTERNET session = nullptr;
    HINTERNET connection = nullptr;
    HINTERNET request = nullptr;

    void CloseAll() const {
        for (HINTERNET handle : {request, connection, session})
            if (handle) WinHttpCloseHandle(handle);
    }
};

std::wstring Widened(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

// The host, port and path of an https URL; false for anything else.
struct UrlPieces {
    std::wstring host;
    INTERNET_PORT port = INTERNET_DEFAULT_HTTPS_PORT;
    std::wstring path;
};

bool CrackHttpsUrl(const std::string& url, UrlPieces& pieces) {
    std::wstring wide = Widened(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (wide.empty() || !WinHttpCrackUrl(wide.c_str(), 0, 0, &parts) ||
        parts.nScheme != INTERNET_SCHEME_HTTPS || parts.dwHostNameLength == 0)
        return false;
    pieces.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    pieces.port = parts.nPort;
    pieces.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo) pieces.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (pieces.path.empty()) pieces.path = L"/";
    return true;
}

// The errors of a TLS handshake or of the certificate checks (Wine reports an untrusted
// authority as a secure channel error).
bool IsTlsRefusal(DWORD error) {
    switch (error) {
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE: return true;
    default: return false;
    }
}

// One transfer: the handles, owned by this thread, and the state the callback reports to.
class HttpsTransfer {
public:
    explicit HttpsTransfer(const std::string& url)
        : url_(url),
          state_(new StepState),
          deadline_(SteadyMilliseconds() + SocketDeadlineMilliseconds()) {}
    HttpsTransfer(const HttpsTransfer&) = delete;
    HttpsTransfer& operator=(const HttpsTransfer&) = delete;

    // Under Wine, closing a request whose handshake still waits for the server can block until
    // that wait times out, so a transfer given up at a time-out or a cancel hands its handles to
    // a thread of their own that closes them; the caller goes on at once.
    ~HttpsTransfer() {
        if (!abandoned_) {
            handles_.CloseAll();
            return;
        }
        std::thread([handles = handles_] { handles.CloseAll(); }).detach();
    }

    bool Run(std::string& body) {
        UrlPieces pieces;
        if (!CrackHttpsUrl(url_, pieces)) return Fail("not an https URL");
        if (!Open(pieces)) return false;
        if (!Step([this] {
                return WinHttpSendRequest(handles_.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                          WINHTTP_NO_REQUEST_DATA, 0, 0, 0);
            }) ||
            !Step([this] { return WinHttpReceiveResponse(handles_.request, nullptr); }))
            return Fail("no answer");
        return CheckStatus() && ReadBody(body);
    }

private:
    bool Open(const UrlPieces& pieces) {
        // No proxy, as for the plain sockets: the program talks to its server directly.
        handles_.session =
            WinHttpOpen(L"Pelimor", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                        WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
        if (!handles_.session) return Fail("cannot open a session");
        const int timeout = static_cast<int>(SocketTimeoutMilliseconds());
        WinHttpSetTimeouts(handles_.session, timeout, timeout, timeout, timeout);
        handles_.connection = WinHttpConnect(handles_.session, pieces.host.c_str(), pieces.port, 0);
        if (!handles_.connection) return Fail("cannot connect");
        // WINHTTP_FLAG_REFRESH asks every cache on the way for a fresh copy.
        handles_.request = WinHttpOpenRequest(
            handles_.connection, L"GET", pieces.path.c_str(), nullptr, WINHTTP_NO_REFERER,
            WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE | WINHTTP_FLAG_REFRESH);
        if (!handles_.request) return Fail("cannot make a request");
        // The wait for the answer has a time-out of its own, which also bounds the handshake
        // under Wine; the session's time-outs do not cover it.
        DWORD responseTimeout = static_cast<DWORD>(timeout);
        WinHttpSetOption(handles_.request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT,
                         &responseTimeout, sizeof(responseTimeout));
        // A redirect is a failure, as on the plain sockets; followed, it could lead to http.
        DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
        if (!WinHttpSetOption(handles_.request, WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects,
                              sizeof(noRedirects)))
            return Fail("cannot turn redirects off");
        return AttachState();
    }

    bool AttachState() {
        if (WinHttpSetStatusCallback(handles_.request, OnRequestStatus,
                                     WINHTTP_CALLBACK_FLAG_ALL_NOTIFICATIONS,
                                     0) == WINHTTP_INVALID_STATUS_CALLBACK)
            return Fail("cannot watch the request");
        auto* reference = new StateReference(state_);
        DWORD_PTR context = reinterpret_cast<DWORD_PTR>(reference);
        if (WinHttpSetOption(handles_.request, WINHTTP_OPTION_CONTEXT_VALUE, &context,
                             sizeof(context)))
            return true;
        delete reference;
        return Fail("cannot watch the request");
    }

    // Starts one asynchronous call and waits for its completion, the time-out or the cancel.
    template <typename Call>
    bool Step(Call call) {
        {
            std::lock_guard<std::mutex> lock(state_->mutex);
            state_->pending = true;
            state_->failed = false;
        }
        if (!call()) {
            std::lock_guard<std::mutex> lock(state_->mutex);
            state_->error = GetLastError();
            return false;
        }
        // Each step waits at most the time-out, and the whole transfer ends at its deadline, so
        // a server that trickles a byte now and then cannot hold it for ever.
        const int timeout = static_cast<int>(
            std::clamp<int64_t>(deadline_ - SteadyMilliseconds(), 0, SocketTimeoutMilliseconds()));
        std::unique_lock<std::mutex> lock(state_->mutex);
        for (int waited = 0; state_->pending; waited += CANCEL_CHECK_MILLISECONDS) {
            if (ThisThreadCancelled()) {
                abandoned_ = true;
                return false;
            }
            if (waited >= timeout) {
                abandoned_ = timedOut_ = true;
                return false;
            }
            state_->finished.wait_for(lock, std::chrono::milliseconds(std::min(
                                                CANCEL_CHECK_MILLISECONDS, timeout - waited)));
        }
        return !state_->failed;
    }

    bool CheckStatus() {
        DWORD status = 0;
        DWORD size = sizeof(status);
        if (!WinHttpQueryHeaders(
                handles_.request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX) ||
            status != 200)
            return Fail("status " + std::to_string(status));
        return true;
    }

    // -1 when the answer names no length.
    long long ContentLength() {
        wchar_t text[32] = {};
        DWORD size = sizeof(text);
        if (!WinHttpQueryHeaders(handles_.request, WINHTTP_QUERY_CONTENT_LENGTH,
                                 WINHTTP_HEADER_NAME_BY_INDEX, text, &size,
                                 WINHTTP_NO_HEADER_INDEX))
            return -1;
        wchar_t* end = nullptr;
        long long length = wcstoll(text, &end, 10);
        return end != text && *end == L'\0' && length >= 0 ? length : -1;
    }

    bool ReadBody(std::string& body) {
        const long long length = ContentLength();
        if (length > static_cast<long long>(MAX_RESPONSE_BYTES)) return Fail("answer too long");
        std::string received;
        for (;;) {
            if (!Step([this] {
                    return WinHttpReadData(handles_.request, state_->buffer.data(),
                                           static_cast<DWORD>(state_->buffer.size()), nullptr);
                }))
                return Fail("the answer was cut short");
            std::lock_guard<std::mutex> lock(state_->mutex);
            if (state_->bytesRead == 0) break;
            received.append(state_->buffer.data(), state_->bytesRead);
            if (received.size() > MAX_RESPONSE_BYTES) return Fail("answer too long");
        }
        if (length >= 0 && received.size() != static_cast<size_t>(length))
            return Fail("the answer was cut short");
        body = std::move(received);
        return true;
    }

    bool Fail(const std::string& what) {
        std::string detail;
        {
            std::lock_guard<std::mutex> lock(state_->mutex);
            if (state_->certificateProblems != 0)
                detail = ", certificate not trusted (problems 0x" +
                         FormatHex(state_->certificateProblems) + ")";
            else if (IsTlsRefusal(state_->error))
                detail = ", the TLS connection or the server's certificate was refused (error " +
                         std::to_string(state_->error) + ")";
            else if (state_->error != 0)
                detail = ", error " + std::to_string(state_->error);
        }
        if (timedOut_) detail = ", timed out";
        if (ThisThreadCancelled()) detail = ", cancelled";
        Os().Trace("https: " + what + detail + ": " + url_);
        return false;
    }

    static std::string FormatHex(DWORD value) {
        char text[16];
        wsprintfA(text, "%lx", value);
        return text;
    }

    const std::string url_;
    std::shared_ptr<StepState> state_;
    bool timedOut_ = false;
    bool abandoned_ = false;  // a step was given up while WinHTTP still worked on it
    const int64_t deadline_;  // on the steady clock of the socket calls
    TransferHandles handles_;
};
}  // namespace

bool HttpsDownload(const std::string& url, std::string& body) {
    body.clear();
    if (ThisThreadCancelled()) return false;
    return HttpsTransfer(url).Run(body);
}
