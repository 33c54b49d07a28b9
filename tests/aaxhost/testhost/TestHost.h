#pragma once

// The test host: a stand-in for the AAX host, written from what the plug-in library expects of
// one, for tests from single wrappers up to a whole loaded bundle.
//
//   aaxhost::HostOptions options;                    // versions of each description-time
//   options.componentDescriptor = Versions::upTo (1); // and process-wide interface
//   aaxhost::Host host (options);
//   ACFStartup (host.unknown());                     // host.services() records traces
//   ACFRegisterPlugin (host.unknown(), &definition); // host.objects<Collection>()[0]->description()
//
//   aaxhost::Instance instance (host);               // InstanceOptions: run-time versions
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

#include "Algorithm.h"
#include "AutomationDelegate.h"
#include "CallLog.h"
#include "Collection.h"
#include "ComponentDescriptor.h"
#include "ComponentFactory.h"
#include "Controller.h"
#include "Definitions.h"
#include "DescriptionHost.h"
#include "EffectDescriptor.h"
#include "FeatureInfo.h"
#include "Host.h"
#include "HostObject.h"
#include "HostServices.h"
#include "HostString.h"
#include "Instance.h"
#include "PageTable.h"
#include "PageTableController.h"
#include "PropertyMap.h"
#include "Transport.h"
#include "Versions.h"
#include "ViewContainer.h"
