#include "app/ui/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Media plays into GStreamer's silent stand-in at the normal pace, whatever sound devices or
  // servers the machine has: a real device can block or refuse, and tests must not be heard.
  // No sound server is asked either. The programs the tests start inherit this.
  qputenv("GST_PLUGIN_FEATURE_RANK",
          "pulsesink:NONE,alsasink:NONE,pipewiresink:NONE,jackaudiosink:NONE,osssink:NONE,oss4sink:NONE,"
          "pulsedeviceprovider:NONE,alsadeviceprovider:NONE,pipewiredeviceprovider:NONE,osxaudiodeviceprovider:NONE");
  qputenv("PULSE_SERVER", "unix:/nonexistent/skinbook-tests");
  TApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
