#pragma once
// Driving the "Spooler" service: replacing a monitor or processor DLL the spooler has
// loaded needs it stopped, a new spool directory needs it restarted. NT family only.
#include <cstdint>

class ErrorText;

// Sends the stop control; reports nothing and does not wait for the stopped state.
void StopSpooler();
// Starts the service; any failure other than "already running" leaves
// "Start spool service error, error code = N" in the error text.
void StartSpooler(ErrorText& error);
// Queries up to 10 times, 300 ms apart, until the spooler runs. Returns the last state
// seen (1 when none could be read); "StartSpoolService error" unless it runs.
uint32_t WaitSpoolerRunning(ErrorText& error);
// Stop, 300 ms, start; reports nothing.
void RestartSpooler();
