#pragma once

// The test host: a stand-in for the AAX host, written from what the plug-in library expects of
// one, for tests from single wrappers up to a whole loaded bundle.
//
//   HostOptions options;                    // versions of each description-time
//   options.componentDescriptor = Versions::upTo (1); // and process-wide interface
//   Host host (options);
//   ACFStartup (host.unknown());                     // host.services() records traces
//   ACFRegisterPlugin (host.unknown(), &definition); // host.objects<Collection>()[0]->description()
//
//   Instance instance (host);               // InstanceOptions: run-time versions
//   instance.initialize (createDataModel());         // Initialize (instance.unknown())
//   instance.automation().answerSetRequests (AutomationDelegate::Answer::later);
//   ... the plug-in touches, requests, releases ...
//   instance.automation().events();                  // in order
//   instance.automation().deliverPending();          // UpdateParameterNormalizedValue
//   instance.controller().packets();
//
//   A whole bundle: its registered creation procedures make the objects
//   (effectDescriptor.createDataModel(), createGUI()), an Algorithm runs a registered component's
//   process procedure over blocks of audio, and HostString receives the plug-in's texts.
//
// Every call is in host.log() with the version it came through; setResult forces an
// operation's answer; host.outstandingReferences() and host.problems() show what the plug-in
// left behind or did wrong. The Host owns every object and must outlive the plug-in's objects.

#include "tests/aaxhost/testhost/Algorithm.h"
#include "tests/aaxhost/testhost/AutomationDelegate.h"
#include "tests/aaxhost/testhost/CallLog.h"
#include "tests/aaxhost/testhost/Collection.h"
#include "tests/aaxhost/testhost/ComponentDescriptor.h"
#include "tests/aaxhost/testhost/ComponentFactory.h"
#include "tests/aaxhost/testhost/Controller.h"
#include "tests/aaxhost/testhost/Definitions.h"
#include "tests/aaxhost/testhost/DescriptionHost.h"
#include "tests/aaxhost/testhost/EffectDescriptor.h"
#include "tests/aaxhost/testhost/FeatureInfo.h"
#include "tests/aaxhost/testhost/Host.h"
#include "tests/aaxhost/testhost/HostObject.h"
#include "tests/aaxhost/testhost/HostServices.h"
#include "tests/aaxhost/testhost/HostString.h"
#include "tests/aaxhost/testhost/Instance.h"
#include "tests/aaxhost/testhost/PageTable.h"
#include "tests/aaxhost/testhost/PageTableController.h"
#include "tests/aaxhost/testhost/PropertyMap.h"
#include "tests/aaxhost/testhost/Transport.h"
#include "tests/aaxhost/testhost/Versions.h"
#include "tests/aaxhost/testhost/ViewContainer.h"
