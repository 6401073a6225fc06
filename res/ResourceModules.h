// The registration functions of the resource table files (see Resources.h).
// Threads: user-interface thread.
#pragma once

class ResourceTable;

void RegisterFrameResources(ResourceTable& table);
void RegisterControlsResources(ResourceTable& table);
void RegisterShapeResources(ResourceTable& table);
void RegisterTagBrowserResources(ResourceTable& table);
void RegisterPageResources(ResourceTable& table);
void RegisterPlantResources(ResourceTable& table);
void RegisterAppResources(ResourceTable& table);
void RegisterAppImages(ResourceTable& table);
void RegisterTrendResources(ResourceTable& table);
void RegisterRecordWindowResources(ResourceTable& table);
