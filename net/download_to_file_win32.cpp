#include "net/download_to_file.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include "base/cancel_token.h"
#include "base/os.h"
#include "net/http_response.h"
#include "net/transfer_bound.h"

// The service has no time-out of its own that holds everywhere (under Wine it waits for ever on
// a server that accepts and never answers), so a watch beside it aborts the transfer when no
// data has arrived for the idle limit, after the total limit in any case, and when the calling
// thread's work is cancelled.
//
// The service also reports an error page as a successful download and follows any redirect (to
// any host, with the system's cookies and credentials), and it has no size limit. So the
// callback asks the service not to follow redirects (BINDINFO_OPTIONS_DISABLEAUTOREDIRECTS),
// reads the answer's status (IHttpNegotiate::OnResponse), counts the bytes, and refuses a
// redirect, reported (BINDSTATUS_REDIRECTING, which aborts it before it is followed) or seen
// in the answer's URL (Wine's service follows one without a report): a download counts only
// when the status was 200, nothing redirected it and it stayed within MAX_RESPONSE_BYTES;
// otherwise it is aborted.
namespace {
// How often the watch looks at the transfer. A stalled service calls nothing back, so the watch
// cannot wait for a progress report.
constexpr int WATCH_MILLISECONDS = 200;

int64_t SteadyMilliseconds() { return static_cast<int64_t>(GetTickCount64()); }

// The binding status callback of one download: notes when data arrives, keeps the binding so
// that the watch can abort it, and refuses to go on once the bound is exceeded or the work is
// cancelled. Its methods run on the downloading thread; ShouldStop and Abort on the watch.
class BoundedBindCallback : public IBindStatusCallback,
                            public IHttpNegotiate,
                            public IServiceProvider {
public:
    BoundedBindCallback(const CancelToken* cancel, std::string url)
        : cancel_(cancel),
          url_(std::move(url)),
          bound_(SystemDownloadLimits(), SteadyMilliseconds()) {}
    virtual ~BoundedBindCallback() = default;

    bool ShouldStop() {
        if (cancel_ && cancel_->Cancelled()) return true;
        std::lock_guard<std::mutex> lock(mutex_);
        return refused_ || bound_.Exceeded(SteadyMilliseconds());
    }

    // True when the server answered 200 and the answer was neither redirected nor too long.
    bool AnswerAccepted() {
        std::lock_guard<std::mutex> lock(mutex_);
        return status_ == HTTP_STATUS_OK && !refused_;
    }

    // Aborts the binding, if it is still running.
    void Abort() {
        IBinding* binding = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            binding = binding_;
            if (binding) binding->AddRef();
        }
        // Outside the lock: the abort may report the stop through this callback.
        if (!binding) return;
        binding->Abort();
        binding->Release();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IBindStatusCallback)
            *object = static_cast<IBindStatusCallback*>(this);
        else if (riid == IID_IHttpNegotiate)
            *object = static_cast<IHttpNegotiate*>(this);
        else if (riid == IID_IServiceProvider)
            *object = static_cast<IServiceProvider*>(this);
        else
            *object = nullptr;
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IBindStatusCallback
    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding* binding) override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (binding) binding->AddRef();
        if (binding_) binding_->Release();
        binding_ = binding;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG, ULONG status,
                                         LPCWSTR text) override {
        if (status == BINDSTATUS_REDIRECTING) Refuse("redirected to " + Narrow(text));
        if (status == BINDSTATUS_BEGINDOWNLOADDATA || status == BINDSTATUS_DOWNLOADINGDATA ||
            status == BINDSTATUS_ENDDOWNLOADDATA) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                bound_.DataArrived(SteadyMilliseconds());
            }
            if (progress > MAX_RESPONSE_BYTES) Refuse("the answer is longer than the limit");
        }
        return ShouldStop() ? E_ABORT : S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (binding_) binding_->Release();
        binding_ = nullptr;
        return S_OK;
    }
    // Asks the service not to follow redirects at all, so that no request goes to the other
    // host; where the service ignores the request (Wine's does), the checks above refuse the
    // redirected answer.
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override {
        if (!flags || !info) return E_INVALIDARG;
        *flags = BINDF_GETNEWESTVERSION;
        if (info->cbSize < sizeof(BINDINFO)) return S_OK;  // an older layout: no options in it
        const ULONG size = info->cbSize;
        std::memset(info, 0, size);
        info->cbSize = size;
        info->dwBindVerb = BINDVERB_GET;
        info->dwOptions = BINDINFO_OPTIONS_DISABLEAUTOREDIRECTS;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    // IHttpNegotiate
    HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                   LPWSTR* additionalHeaders) override {
        if (additionalHeaders) *additionalHeaders = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnResponse(DWORD status, LPCWSTR, LPCWSTR,
                                         LPWSTR* additionalHeaders) override {
        if (additionalHeaders) *additionalHeaders = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            status_ = status;
        }
        if (status != HTTP_STATUS_OK) {
            Refuse("the server answered " + std::to_string(status));
            return E_ABORT;
        }
        // Where the service does not report a redirect it followed, the answer's URL shows it.
        const std::string answered = AnsweredUrl();
        if (!answered.empty() && !SameUrl(answered, url_)) {
            Refuse("redirected to " + answered);
            return E_ABORT;
        }
        return S_OK;
    }

    // IServiceProvider: the service asks its caller's callback for the negotiation this way.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID, REFIID riid, void** object) override {
        return QueryInterface(riid, object);
    }

private:
    static std::string Narrow(LPCWSTR text) {
        return text ? Os().Utf16ToAnsi(reinterpret_cast<const char16_t*>(text)) : std::string();
    }

    // The URL the running binding's answer came from; "" when the service cannot tell.
    std::string AnsweredUrl() {
        IBinding* binding = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            binding = binding_;
            if (binding) binding->AddRef();
        }
        if (!binding) return std::string();
        std::string url;
        IWinInetInfo* info = nullptr;
        if (SUCCEEDED(binding->QueryInterface(IID_IWinInetInfo, reinterpret_cast<void**>(&info)))) {
            wchar_t buffer[INTERNET_MAX_URL_LENGTH] = {};
            DWORD size = sizeof buffer - sizeof buffer[0];
            if (info->QueryOption(INTERNET_OPTION_URL, buffer, &size) == S_OK)
                url = UrlText(reinterpret_cast<const char*>(buffer));
            info->Release();
        }
        binding->Release();
        return url;
    }

    // The option's text: UTF-16 from one service (Wine's asks WinINet for the wide option),
    // ANSI from another; a URL is ASCII, so a NUL second byte tells the wide form.
    static std::string UrlText(const char* bytes) {
        if (bytes[0] == '\0' || bytes[1] != '\0') return bytes;
        return Narrow(reinterpret_cast<const wchar_t*>(bytes));
    }

    // Equal but for the letter case, the default port written out and an empty path ("/").
    static bool SameUrl(std::string a, std::string b) {
        for (std::string* url : {&a, &b}) {
            for (char& c : *url)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            const size_t hostStart = url->find("//");
            size_t hostEnd = url->find('/', hostStart == std::string::npos ? 0 : hostStart + 2);
            if (hostEnd == std::string::npos) {
                hostEnd = url->size();
                *url += '/';
            }
            if (hostEnd >= 3 && url->compare(hostEnd - 3, 3, ":80") == 0)
                url->erase(hostEnd - 3, 3);
        }
        return a == b;
    }

    // Marks the download as failed, once, with the reason on the trace channel.
    void Refuse(const std::string& reason) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (refused_) return;
            refused_ = true;
        }
        Os().Trace("system download: " + reason + ", refused");
    }

    const CancelToken* cancel_;
    const std::string url_;  // the URL asked for
    std::atomic<ULONG> references_{1};
    std::mutex mutex_;
    TransferBound bound_;          // guarded by mutex_
    DWORD status_ = 0;             // guarded by mutex_; 0 until the server's answer came
    bool refused_ = false;         // guarded by mutex_
    IBinding* binding_ = nullptr;  // guarded by mutex_; one reference held while set
};

// Releases the callback's first reference when the download is over.
struct CallbackReference {
    BoundedBindCallback* callback;
    ~CallbackReference() { callback->Release(); }
};
}  // namespace

// The system's download service, bounded and checked; its cache entry goes first so that the
// answer is fresh.
bool DownloadToFile(const std::string& url, const std::string& localFile) {
    DeleteUrlCacheEntryA(url.c_str());
    CallbackReference reference{new BoundedBindCallback(ThisThreadCancelToken(), url)};
    BoundedBindCallback* callback = reference.callback;
    CancelToken downloadOver;  // "cancelled" once URLDownloadToFileA has returned
    std::thread watch([callback, &downloadOver] {
        while (downloadOver.WaitFor(WATCH_MILLISECONDS)) {
            if (!callback->ShouldStop()) continue;
            callback->Abort();
            return;
        }
    });
    HRESULT result = URLDownloadToFileA(nullptr, url.c_str(), localFile.c_str(), 0, callback);
    downloadOver.Cancel();
    watch.join();
    return result == S_OK && callback->AnswerAccepted();
}
