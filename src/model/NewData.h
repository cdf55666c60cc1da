#pragma once
// A new, untitled data set: every record at its defaults, the default channels, and the
// default data file of the current model and band.
#include <string>
#include <string_view>

#include "model/Records.h"

namespace rp {

struct AppState;

void NewData(AppState& st);

// The record defaults. Each works on the record it is given, so a conversion can reset the
// target record it is building.
void InitAllListData(RadioData& r);
void InitDTMFData(RadioData& r);
void Init2ToneOptionData(RadioData& r);
void Init5ToneData(RadioData& r);
// Option record, 2-Tone list and decode list, and the tail words of the current layout.
void InitSpecialData(RadioData& r);
void InitScanData(RadioData& r);
void InitAlertData(RadioData& r);
void InitCommBookData(RadioData& r);
void InitAMData(RadioData& r);
void InitMSKData(RadioData& r);
void InitRadioListData(RadioData& r);
// date is "YYYYMMDD"; empty takes today's.
void InitRadioInfo(AppState& st, std::string_view date = {});

void SetBlockVersionFields(RadioData& r);

// Appends a channel with the New defaults at the frequency (MHz text), entered in its default
// bank. False, with nothing changed, when the table is full, the number is not a channel or
// the table already holds it.
bool AddDefaultChannel(AppState& st, int number, std::string_view mhzText);
// Channels 1, 201, 203, 205 at the middle of the first band, 2, 202, 204, 206 of the second.
// Bank entries of other channels that are not in the table are freed first.
void InitDefaultChannels(AppState& st);
// The middle of band b as "000.0000".
std::string BandMiddleText(const AppState& st, int band);

// Init/<model>_<band>.dat beside the program, else Init/6173USD_0.dat, else the built-in
// defaults stay. Whatever happens, the result counts as unchanged.
void LoadModelInitFile(AppState& st);
std::string ModelInitFilePath(const AppState& st);

// Keeps the channels 1, 2 and 201..206 of a default data file, moved together from slot 0;
// the channels dropped also leave the record's banks.
void KeepDefaultBandChannels(RadioData& record, ChannelArray& table);

}  // namespace rp
