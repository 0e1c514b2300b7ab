// Adds a certificate authority to the local machine's "Root" store of the Wine prefix, so that
// the system's certificate checks trust a test server's certificate signed by it. Test-only: the
// end-to-end tests make the authority at test time and throw its key away.
//
//   pelimor_trust_ca.exe CA.der     exit status 0 when the store holds the certificate
#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {
bool ReadWholeFile(const char* path, std::vector<unsigned char>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !bytes.empty();
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<unsigned char> certificate;
    if (argc != 2 || !ReadWholeFile(argv[1], certificate)) {
        std::fprintf(stderr, "usage: pelimor_trust_ca CA.der\n");
        return 2;
    }
    HCERTSTORE store =
        CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, "Root");
    if (!store) {
        std::fprintf(stderr, "cannot open the Root store: %lu\n", GetLastError());
        return 1;
    }
    BOOL added = CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, certificate.data(),
                                                  static_cast<DWORD>(certificate.size()),
                                                  CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    if (!added) std::fprintf(stderr, "cannot add the certificate: %lu\n", GetLastError());
    CertCloseStore(store, 0);
    return added ? 0 : 1;
}
