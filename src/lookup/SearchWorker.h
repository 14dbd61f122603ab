#pragma once
#include <functional>
#include <memory>
#include <string>

#include "framework/KernelHandle.h"
#include "lookup/ConfiguredSources.h"
#include "lookup/LookupState.h"

// A worker's publish step, run with the lookup lock held.
using PublishStep = std::function<void(const SourceOutcome& outcome)>;

// Starts one window search worker on its own thread: it asks source about
// isbn through the window's page fetch, holding no lock, then publishes what
// it found under state's lookup lock. Never awaited or cancelled; the worker
// owns copies of all it uses, so it may outlive the window. Returns the
// thread's handle, empty when no thread could be made.
KernelHandle StartSearchWorker(const LookupSource& source, const SourceConfig& config, const std::string& isbn,
                               std::shared_ptr<LookupState> state, PublishStep publish);
