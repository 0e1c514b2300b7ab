#include "net/download_to_file.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "base/cancel_token.h"
#include "net/transfer_bound.h"

// The service has no time-out of its own that holds everywhere (under Wine it waits for ever on
// a server that accepts and never answers), so a watch beside it aborts the transfer when no
// data has arrived for the idle limit, after the total limit in any case, and when the calling
// thread's work is cancelled.
namespace {
// How often the watch looks at the transfer. A stalled service calls nothing back, so the watch
// cannot wait for a progress report.
constexpr int WATCH_MILLISECONDS = 200;

int64_t SteadyMilliseconds() { return static_cast<int64_t>(GetTickCount64()); }

// The binding status callback of one download: notes when data arrives, keeps the binding so
// that the watch can abort it, and refuses to go on once the bound is exceeded or the work is
// cancelled. Its methods run on the downloading thread; ShouldStop and Abort on the watch.
class BoundedBindCallback : public IBindStatusCallback {
public:
    explicit BoundedBindCallback(const CancelToken* cancel)
        : cancel_(cancel), bound_(SystemDownloadLimits(), SteadyMilliseconds()) {}
    virtual ~BoundedBindCallback() = default;

    bool ShouldStop() {
        if (cancel_ && cancel_->Cancelled()) return true;
        std::lock_guard<std::mutex> lock(mutex_);
        return bound_.Exceeded(SteadyMilliseconds());
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
        if (riid == IID_IUnknown || riid == IID_IBindStatusCallback) {
            *object = static_cast<IBindStatusCallback*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
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
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG status, LPCWSTR) override {
        if (status == BINDSTATUS_BEGINDOWNLOADDATA || status == BINDSTATUS_DOWNLOADINGDATA ||
            status == BINDSTATUS_ENDDOWNLOADDATA) {
            std::lock_guard<std::mutex> lock(mutex_);
            bound_.DataArrived(SteadyMilliseconds());
        }
        return ShouldStop() ? E_ABORT : S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (binding_) binding_->Release();
        binding_ = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

private:
    const CancelToken* cancel_;
    std::atomic<ULONG> references_{1};
    std::mutex mutex_;
    TransferBound bound_;          // guarded by mutex_
    IBinding* binding_ = nullptr;  // guarded by mutex_; one reference held while set
};

// Releases the callback's first reference when the download is over.
struct CallbackReference {
    BoundedBindCallback* callback;
    ~CallbackReference() { callback->Release(); }
};
}  // namespace

// The system's download service, bounded; its cache entry goes first so that the answer is
// fresh.
bool DownloadToFile(const std::string& url, const std::string& localFile) {
    DeleteUrlCacheEntryA(url.c_str());
    CallbackReference reference{new BoundedBindCallback(ThisThreadCancelToken())};
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
    return result == S_OK;
}
