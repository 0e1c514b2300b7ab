#include "net/fetched_text.h"

#include "net/http_response.h"

std::string FetchedBody(const FetchedText& fetched) {
    return fetched.withHead ? ResponseBody(fetched.text) : fetched.text;
}
