// Real-world names and positions used by the sample-file generator.
#pragma once

namespace samplecatalog {

struct SatelliteSeed {
  const char* name;
  int longitudeTenthsEast;  // 0..3599; western positions as their eastern equivalent
};

// Orbital positions of well-known satellites (tenths of a degree east).
constexpr SatelliteSeed kSatellites[] = {
    {"Astra 1KR/1L/1M/1N", 192}, {"Hot Bird 13B/13C", 130}, {"Astra 2E/2F/2G", 282},
    {"Astra 3B/3C", 235},        {"Eutelsat 7 West A", 3530},   {"Hispasat 30W-5/6", 3300},
    {"Eutelsat 16A", 160},       {"Turksat 3A/4A", 420},        {"Eutelsat 9B", 90},
    {"Badr 4/5/6/7", 260},       {"Astra 4A", 48},              {"Thor 5/6/7", 3592},
    {"Express AM6", 530},        {"Yamal 402", 549},            {"Intelsat 901", 3420},
    {"Arabsat 5C", 200},
};

constexpr const char* kTvNames[] = {
    "Das Erste HD", "ZDF HD", "RTL", "SAT.1", "ProSieben", "VOX", "kabel eins", "RTL ZWEI",
    "arte", "3sat", "KiKA", "phoenix", "BBC One", "BBC Two", "ITV", "Channel 4", "Sky News",
    "Rai 1", "Rai 2", "Rai 3", "Canale 5", "Italia 1", "Rete 4", "TVE Internacional",
    "France 24", "Euronews", "TRT 1", "Al Jazeera", "CNN International", "Eurosport 1",
    "Discovery", "National Geographic", "MTV", "Nickelodeon", "Cartoon Network", "TV5Monde",
    "Deutsche Welle", "Bloomberg", "CNBC Europe", "Fashion TV", "Travel Channel", "Mezzo",
    "Polsat", "TVP Polonia", "Nova", "Markiza", "Duna", "RTS Sat", "HRT", "Pink Plus",
};

constexpr const char* kRadioNames[] = {
    "Bayern 3", "SWR3", "NDR 2", "WDR 2", "Deutschlandfunk", "BBC Radio 1", "BBC Radio 2",
    "BBC World Service", "Rai Radio 1", "Radio Classique", "RFI", "Radio Swiss Pop",
    "Klassik Radio", "Antenne Bayern", "TRT FM", "Radio Maria", "Jazz Radio", "Energy",
};

constexpr const char* kDataNames[] = {"EPG Data", "Software Update", "Teletext Service", "Info Channel"};

constexpr const char* kProviders[] = {
    "ARD", "ZDFvision", "RTL Group", "ProSiebenSat.1", "BBC", "ITV", "RAI", "Mediaset", "SES",
    "Eutelsat", "Canal+", "Sky", "TRT", "Globecast", "Arqiva", "Polsat", "CYFRA+", "NOVA",
};

struct CaSeed {
  const char* name;
  unsigned identifier;  // CA system identifier; its high byte names the system
};

constexpr CaSeed kCaSystems[] = {
    {"Seca", 0x0100}, {"Viaccess", 0x0500}, {"Irdeto", 0x0600}, {"Videoguard", 0x0900},
    {"Conax", 0x0B00}, {"Cryptoworks", 0x0D00}, {"Nagravision", 0x1800}, {"Betacrypt", 0x1700},
    {"Verimatrix", 0x5600}, {"Bulcrypt", 0x4A00},
};

constexpr const char* kFavoriteGroups[] = {"News", "Movies", "Sports", "Kids", "Music", "Documentary"};

}  // namespace samplecatalog
