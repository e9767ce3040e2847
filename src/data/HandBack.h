#pragma once

namespace vantir {

// What a search dialog hands back to the screen it serves: a customer code (the customer
// search), a carrier code (the carrier search), or a value for a list's search box.
enum class HandBack { CustomerCode, CarrierCode, SearchValue };

}  // namespace vantir
