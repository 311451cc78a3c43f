// The game's natives by hash, as the stand-ins answer them and as the tests expect the plugin
// to call them. Kept apart from the plugin's own table on purpose, so that a wrong hash there
// fails the tests.
#pragma once

#include <cstdint>

namespace nativeHashes {

const std::uint64_t waypointActive = 0x202B1BBFC6AB5EE4;
const std::uint64_t waypointCoords = 0x29B30D07C3F7873B;
const std::uint64_t playerPed = 0x096275889B8E0EE0;
const std::uint64_t entityCoords = 0xA86D5F069399F44D;
const std::uint64_t distanceBetweenCoords = 0x0BE7F4E3CDBAFB28;
const std::uint64_t setTextScale = 0x4170B650590B3B00;
const std::uint64_t setTextColor = 0x50A41AD966910F03;
const std::uint64_t setTextCentre = 0xBE5261939FBECB8C;
const std::uint64_t setTextDropShadow = 0x1BE39DBAA7263CA5;
const std::uint64_t createVarString = 0xFA925AC00EB830B9;
const std::uint64_t displayText = 0xD79334A4BB99BAD1;

} // namespace nativeHashes
