#include "maker/controls/graph_feed.h"

#include "frame_mailbox.h"

namespace doz::controls {

AnalogFeed::AnalogFeed() : mailbox_(std::make_unique<FrameMailbox<AnalogEnvelope>>()) {}
AnalogFeed::~AnalogFeed() = default;

void AnalogFeed::PlotGraphs(std::span<const double> data, std::int16_t, std::int16_t) {
    plotted_.fetch_add(1, std::memory_order_relaxed);
    if (data.empty() || data.data() == nullptr)
        return;
    AnalogEnvelope envelope = mailbox_->takeSpare();
    reduceAnalog(data, mailbox_->columns(), envelope);
    mailbox_->post(std::move(envelope));
}

DigitalFeed::DigitalFeed() : mailbox_(std::make_unique<FrameMailbox<DigitalEnvelope>>()) {}
DigitalFeed::~DigitalFeed() = default;

void DigitalFeed::PlotDigitalGraphs(DigitalSamples data, std::int16_t width) {
    plotted_.fetch_add(1, std::memory_order_relaxed);
    DigitalEnvelope envelope = mailbox_->takeSpare();
    reduceDigital(data, width, mailbox_->columns(), envelope);
    if (envelope.width == 0)
        return;
    mailbox_->post(std::move(envelope));
}

} // namespace doz::controls
