#pragma once
// Raw deflate decoding (RFC 1951) for the simulated machine's cabinet reader.
#include <cstddef>
#include <string>

namespace plat::sim {

// Decodes one deflate stream from data, appending to out. Back references may reach
// into what out already holds (a cabinet's MSZIP blocks share their history). False
// when the stream is damaged or ends early.
bool InflateAppend(const unsigned char* data, std::size_t size, std::string& out);

}  // namespace plat::sim
